// vestrix-make-damaged-files OUTDIR: writes the damaged kits and palette files of tests/data.
#include <exception>
#include <iostream>

#include "tools/damaged_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vestrix-make-damaged-files OUTDIR\n";
        return 2;
    }
    try {
        DamagedFiles::write(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "vestrix-make-damaged-files: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
