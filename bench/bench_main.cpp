// tarvana_bench: run offscreen (QT_QPA_PLATFORM=offscreen) or under Xvfb.
//   tarvana_bench [filter]           every case whose name contains the filter
//   tarvana_bench --alone <name>     that one case alone (used by in_own_process)
#include "app/tarvana_aplikace.h"
#include "bench/bench.h"
#include "game/platform.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace {
bool alone = false;
}

std::vector<BenchCase>& bench_cases()
{
    static std::vector<BenchCase> cases;
    return cases;
}

std::string in_own_process(const std::string& case_name,
                           const std::function<std::string()>& measure)
{
    if (alone)
        return measure();
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--alone"), QString::fromStdString(case_name)});
    if (!p.waitForFinished(900'000)) {
        p.kill();
        p.waitForFinished();
        return "failed: no end within 15 minutes";
    }
    const QByteArray out = p.readAllStandardOutput().trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || out.isEmpty())
        return "failed: " + p.readAllStandardError().trimmed().split('\n').last().toStdString();
    return out.toStdString();
}

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows reach the screen the way the game's own do.
    nastav_platformu_oken();
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(TARVANA_BUILD_DIR));
    if (argc > 2 && std::string(argv[1]) == "--alone") {
        alone = true;
        for (const BenchCase& c : bench_cases())
            if (c.name == argv[2] && c.report) {
                std::printf("%s\n", c.report().c_str());
                return 0;
            }
        std::fprintf(stderr, "no case reporting its own figure is called \"%s\"\n", argv[2]);
        return 1;
    }
    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    constexpr int runs = 5;
    std::printf("%-48s %12s %12s\n", "case", "us/call", "spread");
    for (const BenchCase& c : bench_cases()) {
        if (!filter.isEmpty() && !QString::fromStdString(c.name).contains(filter))
            continue;
        if (c.report) {
            std::printf("%-48s %s\n", c.name.c_str(), c.report().c_str());
            std::fflush(stdout);
            continue;
        }
        std::vector<double> per_call;
        c.run(std::max(1, c.iterations / 10)); // warm up
        for (int r = 0; r < runs; ++r) {
            const auto t0 = std::chrono::steady_clock::now();
            c.run(c.iterations);
            const auto t1 = std::chrono::steady_clock::now();
            per_call.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count()
                               / c.iterations);
        }
        std::sort(per_call.begin(), per_call.end());
        std::printf("%-48s %12.2f %5.2f..%-6.2f\n", c.name.c_str(), per_call[runs / 2],
                    per_call.front(), per_call.back());
        std::fflush(stdout);
    }
    return 0;
}
