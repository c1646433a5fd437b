// Tests that need an ordinary user (a folder that refuses new files) while CI runs as root.
#pragma once

/**
 * Where the tests run as root: runs the current test once more, in a process of its own as the
 * ordinary user 65534 (setpriv), checks that it passed there, and returns true: the caller then
 * returns at once. Returns false where the tests already run as an ordinary user, who goes on
 * with the test itself.
 */
bool ranAsOrdinaryUser();
