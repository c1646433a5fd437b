// What a FIFA 99 kit lacks before it is converted: pictures the directory does not list, and
// pictures or palettes that reach past the end of the file (a download cut short, say). The
// conversion itself reads such missing bytes as zero; the command-line converter asks first.
#pragma once

#include <string>
#include <vector>

#include "conversion/source_archive.h"

struct KitGaps {
    /** Each FIFA 99 picture the conversion uses and the directory does not list, e.g. "hrsv". */
    std::vector<std::string> missingPictures;
    /**
     * Empty when whole; otherwise the file's length ("the file has N bytes"), then one phrase per
     * part that reaches past its end ("hjfr's pixels run to byte 16528").
     */
    std::vector<std::string> damage;

    static KitGaps of(const SourceArchive& source);

    /** None of the five pictures is listed: whatever the file is, it is not a FIFA 99 jersey. */
    bool listsNoJerseyPicture() const;
};

/** The FIFA 99 picture a tag names, for messages: "hrsv" -> "sleeve". */
const char* pictureDescription(const std::string& sourceTag);
