// Writes a realistic Parco_Automezzi.pro for trying the program on a large register.
// Usage: make_vehicles <program directory> [cards] [seed]   (default 10000 cards, seed 20261210)
#include "vehicle_generator.h"

#include "vehicles/vehicle_file.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_vehicles <program directory> [cards] [seed]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + u'/';
    const int cards = argc > 2 ? std::atoi(argv[2]) : 10000;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 20261210u;
    bench::VehicleGenerator generator(seed);
    if (!generator.writeFile(VehicleFile::pathIn(dir), cards)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(VehicleFile::pathIn(dir)));
        return 1;
    }
    std::printf("%d cards written to %s\n", cards, qPrintable(VehicleFile::pathIn(dir)));
    return 0;
}
