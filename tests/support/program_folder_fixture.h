// A temporary program folder with the shipped work file, palette and default skin, the windows'
// scripted services, and kits and reference conversions to compare the windows' work with.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "conversion/palette_color.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_folder.h"

class ProgramFolderTest : public ::testing::Test {
protected:
    /** Puts the shipped files (back) into the folder and points the fake location at it. */
    void SetUp() override;

    /** A shipped file of resources/, whole. */
    static std::string shipped(const std::string& name);
    /** The shipped work-file template and palette file. */
    static std::string templateBytes() { return shipped("pk001.fsh"); }
    static std::string paletteBytes() { return shipped("fifa2k.pal"); }
    /** A FIFA 99 kit with all five pictures: stripes of 8 x 16 pixels in six colours. */
    static std::string jerseyBytes();
    /** Its six colours, taken from the palette file's lower slots. */
    static Palette jerseyPalette();

    /** A file of the program folder, as the windows name files: a plain string. */
    std::string path(const std::string& name) const { return m_dir.file(name); }
    static std::string read(const std::string& filePath) { return TempFolder::read(filePath); }
    void write(const std::string& filePath, const std::string& bytes) const;
    /** Writes jerseyBytes() (or other bytes) under name and returns its path. */
    std::string putJersey(const std::string& name, const std::string& bytes = jerseyBytes()) const;
    /** What jersey.cfg holds after these two values were written. */
    static std::string settingsText(const std::string& line1, const std::string& line2);

    /** The work file that a conversion outside the window makes from jersey in this mode. */
    static std::string referenceConversion(const std::string& jerseyPath, std::int16_t paletteBase);

    TempFolder m_dir;
    FakeServices m_fake;
};
