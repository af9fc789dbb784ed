// tarvex-mkdb <data-dir> <out-file>: builds the airport database from data/*.tsv.
#include <QString>
#include <cstdio>
#include <exception>

#include "Import.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: tarvex-mkdb <data-dir> <out-file>\n"
                     "  reads <data-dir>/airports.tsv and <data-dir>/services.tsv and writes the\n"
                     "  airport database <out-file> (replaced only when the input is sound)\n");
        return 2;
    }
    try {
        const auto n = tx::mkdb::BuildDatabase(QString::fromLocal8Bit(argv[1]),
                                               QString::fromLocal8Bit(argv[2]));
        std::printf("%s: %d airports, %d service rows\n", argv[2], n.airports, n.services);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvex-mkdb: %s\n", e.what());
        return 1;
    }
}
