// vestrix-make-pictures OUTDIR: writes the skins and splash/banner.jpg into OUTDIR.
// The output is the same on every run with the same Qt, so the committed pictures can be checked.
#include <exception>
#include <iostream>

#include "tools/picture_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "vestrix-make-pictures") << " OUTDIR\n";
        return 2;
    }
    try {
        PictureSet::write(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& error) {
        std::cerr << "vestrix-make-pictures: " << error.what() << '\n';
        return 1;
    }
    std::cout << "pictures written to " << argv[1] << '\n';
    return 0;
}
