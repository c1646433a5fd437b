// A scratch folder with a small template, a grey palette file and test kits, for the converter's
// tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"

class CliFixture : public ::testing::Test {
protected:
    using Bytes = std::vector<std::uint8_t>;

    void SetUp() override;
    void TearDown() override;

    static Bytes templateBytes();
    static std::string greyPaletteText();
    /** A whole kit; without is a picture tag to leave out. */
    static Bytes kit(const std::string& without = {});
    /** What the conversion core makes of kit on the test template. */
    static Bytes expectedJersey(const Bytes& kit, std::int16_t paletteBase);

    void write(const std::string& name, const Bytes& bytes) const;
    Bytes read(const std::string& name) const;
    bool exists(const std::string& name) const;
    /** name inside the folder as the program's own text (UTF-8 on Windows). */
    std::string path(const std::string& name) const;
    /** Runs vestrix-convert with arguments in which "@name" and "--x=@name" stand for path(name).
     */
    ProgramRun convert(std::vector<std::string> arguments) const;

    std::filesystem::path m_folder;
};
