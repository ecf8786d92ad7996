// Writes a realistic cost year file for trying the program on a large register.
// Usage: make_costs <program directory> [year] [entries] [seed]   (default 2026, 100000, 20261210)
#include "cost_generator.h"

#include "costs/cost_file.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_costs <program directory> [year] [entries] [seed]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + u'/';
    const int year = argc > 2 ? std::atoi(argv[2]) : 2026;
    const int entries = argc > 3 ? std::atoi(argv[3]) : 100000;
    const unsigned seed = argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : 20261210u;
    const QString path = CostFile::pathFor(dir, QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
    if (!bench::CostGenerator(seed, year).writeFile(path, entries)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%d entries written to %s\n", entries, qPrintable(path));
    return 0;
}
