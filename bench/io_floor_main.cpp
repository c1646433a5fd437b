// vestrix-io-floor INDIR TEMPLATE OUTDIR: the I/O floor as a whole process, for timing against
// vestrix-convert from outside (bench/batch_vs_copy.sh): lists INDIR's files in name order, reads
// each and writes TEMPLATE's bytes under its name into OUTDIR.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "bench/io_floor.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vestrix-io-floor INDIR TEMPLATE OUTDIR\n");
        return 2;
    }
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return IoFloor::copyBatch(inputs, IoFloor::readAll(argv[2]), argv[3]) > 0 ? 0 : 1;
}
