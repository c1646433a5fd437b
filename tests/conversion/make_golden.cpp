// Rewrites the golden files from the current conversion: only when a change of the converted bytes
// is meant (and checked by eye in the previews). `cmake --build BUILD --target regenerate_golden`.
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tests/conversion/golden_conversion.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vestrix-make-golden RESOURCES-FOLDER GOLDEN-FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path resources = argv[1], golden = argv[2];
        std::filesystem::create_directories(golden);
        for (const auto& sample : bundledSamples(resources)) {
            for (const GoldenMode& mode : kGoldenModes) {
                const auto bytes = convertSample(resources, sample, mode.paletteBase);
                const std::filesystem::path file = golden / goldenName(sample, mode);
                std::ofstream out(file, std::ios::binary);
                out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
                if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
                std::cout << goldenName(sample, mode) << '\n';
            }
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
