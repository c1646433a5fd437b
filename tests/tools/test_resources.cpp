// Reading the committed resources in the tests.
#include "tests/tools/test_resources.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>
#include <string>

std::filesystem::path committedResources() {
    return std::filesystem::path(VESTRIX_SOURCE_DIR) / "resources";
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Rgb> readJascColours(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = readBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size()) throw std::runtime_error("last line without CR LF");
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos) {
            throw std::runtime_error("stray CR or LF in '" + line + "'");
        }
    }
    if (lines.size() < 3 || lines[0] != "JASC-PAL" || lines[1] != "0100") {
        throw std::runtime_error("no JASC-PAL header");
    }
    const std::size_t count = std::stoul(lines[2]);
    if (lines.size() != 3 + count) throw std::runtime_error("colour count differs from lines");

    static const std::regex colourLine(R"((\d{1,3}) (\d{1,3}) (\d{1,3}))");
    std::vector<Rgb> colours;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        std::smatch fields;
        if (!std::regex_match(lines[i], fields, colourLine)) {
            throw std::runtime_error("bad colour line '" + lines[i] + "'");
        }
        int values[3];
        for (int c = 0; c < 3; ++c) {
            values[c] = std::stoi(fields[c + 1].str());
            if (values[c] > 255) throw std::runtime_error("component above 255: " + lines[i]);
        }
        colours.push_back({static_cast<std::uint8_t>(values[0]),
                           static_cast<std::uint8_t>(values[1]),
                           static_cast<std::uint8_t>(values[2])});
    }
    return colours;
}

int colourDistance(Rgb a, Rgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}
