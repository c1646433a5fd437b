// vestrix-make-resources OUTDIR: writes pk001.fsh, fifa2k.pal and samples/*.fsh into OUTDIR.
// The output is the same on every run, so the committed resources can be checked against it.
#include <exception>
#include <iostream>

#include "tools/resource_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "vestrix-make-resources") << " OUTDIR\n";
        return 2;
    }
    try {
        ResourceSet::write(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "vestrix-make-resources: " << error.what() << '\n';
        return 1;
    }
    std::cout << "resources written to " << argv[1] << '\n';
    return 0;
}
