// Time from process start to the login screen on screen, median of several runs.
// Usage: startup_bench [path/to/vestrano] [runs]   (needs a display or QT_QPA_PLATFORM)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString exe = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/../vestrano");
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    QTemporaryDir data;
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(exe, {QStringLiteral("--data-dir"), data.path(), QStringLiteral("--report-shown")});
        if (!p.waitForReadyRead(10000)) {
            std::fprintf(stderr, "no report from %s\n", qPrintable(exe));
            return 1;
        }
        times.push_back(t.elapsed());
        p.kill();
        p.waitForFinished();
    }
    std::sort(times.begin(), times.end());
    std::printf("start to login screen shown: median %lld ms, min %lld ms, max %lld ms over %d runs\n",
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.front()),
                static_cast<long long>(times.back()), runs);
    return 0;
}
