// A skin decoder the test scripts: the pictures it knows by path, a plain one for any other
// path, nothing for the paths that are to fail.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "skins/skin_picture_reader.h"

class FakeSkinPictureReader : public SkinPictureReader {
public:
    std::optional<SkinPicture> read(const std::string& path) override {
        reads.push_back(path);
        if (const auto known = pictures.find(path); known != pictures.end()) return known->second;
        return SkinPicture{1, 1, {0x808080}};
    }
    /** A picture, or nothing for a file that is no readable picture. */
    std::map<std::string, std::optional<SkinPicture>> pictures;
    std::vector<std::string> reads;
};
