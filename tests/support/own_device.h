// A character device for the tests that must see one refused. Run as root (CI is), a test that
// named /dev/null would, if a refusal regressed, replace the machine's own /dev/null with a file:
// so root gets a null device made in the test's own folder. An ordinary user cannot replace
// /dev/null and gets the real one.
#pragma once

#include <filesystem>
#include <string>

/** A null device in folder (as root) or /dev/null (otherwise). */
std::string ownNullDevice(const std::filesystem::path& folder);
