// gensample: writes the synthetic sample archive, or prints the realism figures of an archive
#include <cstring>
#include <exception>
#include <iostream>

#include "generator.h"
#include "report.h"

namespace {

int usage() {
    std::cerr << "usage: gensample OUTFILE          write the sample archive\n"
                 "       gensample --report [ARCHIVE]  realism figures of ARCHIVE, or of a fresh sample\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gensample;
    try {
        if (argc == 2 && std::strcmp(argv[1], "--report") != 0 && argv[1][0] != '-') {
            writeArchive(argv[1], generateArchive(ARCHIVE_SEED));
            return 0;
        }
        if ((argc == 2 || argc == 3) && std::strcmp(argv[1], "--report") == 0) {
            printReport(argc == 3 ? readArchive(argv[2]) : generateArchive(ARCHIVE_SEED), std::cout);
            return 0;
        }
        return usage();
    } catch (const std::exception& e) {
        std::cerr << "gensample: " << e.what() << '\n';
        return 1;
    }
}
