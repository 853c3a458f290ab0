// tarvana_bench: run offscreen (QT_QPA_PLATFORM=offscreen) or under Xvfb.
//   tarvana_bench [Google Benchmark flags]   e.g. --benchmark_filter=<regex>,
//                                            --benchmark_format=json
//   tarvana_bench <text> [flags]             every case whose name contains the text
//   tarvana_bench --alone <name>             that one case measured in this fresh process
//                                            (in_own_process runs it so)
//
// Unless the flags say otherwise, every case runs five times, each run at least 0.1 s
// long (--benchmark_repetitions=5 --benchmark_min_time=0.1), and is reported by the
// median of the five: a burst of work elsewhere on the machine moves one run, not the
// figure. The console report shows the median alone, with the fastest and the slowest
// run beside it; the other formats carry every aggregate (mean, median, stddev, cv,
// min, max).
#include "app/tarvana_aplikace.h"
#include "bench/bench.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::map<std::string, std::function<Figures()>>& own_process_cases()
{
    static std::map<std::string, std::function<Figures()>> cases;
    return cases;
}

// The fresh process prints its figures one a line: "seconds <value>", "counter <name>
// <value>" or "error <text>".
int measure_alone(const std::string& name)
{
    const auto c = own_process_cases().find(name);
    if (c == own_process_cases().end()) {
        std::fprintf(stderr, "no case measured in its own process is called \"%s\"\n",
                     name.c_str());
        return 1;
    }
    const Figures f = c->second();
    if (!f.error.empty()) {
        std::printf("error %s\n", f.error.c_str());
        return 0;
    }
    std::printf("seconds %.17g\n", f.seconds);
    for (const auto& [counter, value] : f.counters)
        std::printf("counter %s %.17g\n", counter.c_str(), value);
    return 0;
}

Figures run_alone(const std::string& name)
{
    Figures f;
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--alone"), QString::fromStdString(name)});
    if (!p.waitForFinished(900'000)) {
        p.kill();
        p.waitForFinished();
        f.error = "no end within 15 minutes";
        return f;
    }
    const QByteArray out = p.readAllStandardOutput().trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || out.isEmpty()) {
        f.error = p.readAllStandardError().trimmed().split('\n').last().toStdString();
        if (f.error.empty())
            f.error = "the fresh process printed nothing";
        return f;
    }
    bool timed = false;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> w = line.trimmed().split(' ');
        if (w.value(0) == "error") {
            f.error = line.trimmed().mid(6).toStdString();
            return f;
        }
        if (w.value(0) == "seconds" && w.size() == 2) {
            f.seconds = w[1].toDouble();
            timed = true;
        } else if (w.value(0) == "counter" && w.size() == 3) {
            f.counters.emplace_back(w[1].toStdString(), w[2].toDouble());
        }
    }
    if (!timed)
        f.error = "the fresh process gave no time";
    return f;
}

// A plain word as the first argument picks the cases whose name contains it, as before
// Google Benchmark: it becomes a filter of the name with every special character escaped.
std::string filter_containing(const char* text)
{
    std::string regex;
    for (const char* c = text; *c; ++c) {
        if (std::strchr("\\^$.|?*+()[]{}", *c))
            regex += '\\';
        regex += *c;
    }
    return "--benchmark_filter=" + regex;
}

double fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double slowest(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// Google Benchmark's console report with each repeated case on one line: its median,
// labelled with the fastest and the slowest run's times.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        const Run* min = nullptr;
        const Run* max = nullptr;
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "min")
                min = &r;
            else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "max")
                max = &r;
        std::vector<Run> shown;
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median")
                continue;
            shown.push_back(r);
            if (r.run_type == Run::RT_Aggregate && min && max) {
                const char* unit = benchmark::GetTimeUnitString(r.time_unit);
                char label[160];
                std::snprintf(label, sizeof label, "Time %.3g..%.3g %s, CPU %.3g..%.3g %s",
                              min->GetAdjustedRealTime(), max->GetAdjustedRealTime(), unit,
                              min->GetAdjustedCPUTime(), max->GetAdjustedCPUTime(), unit);
                shown.back().report_label = label;
            }
        }
        if (!shown.empty())
            ConsoleReporter::ReportRuns(shown);
    }
};

} // namespace

benchmark::internal::Benchmark* bench_case(const char* name,
                                           std::function<void(benchmark::State&)> run)
{
    return benchmark::RegisterBenchmark(name, [run](benchmark::State& state) { run(state); })
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics("min", fastest)
        ->ComputeStatistics("max", slowest);
}

benchmark::internal::Benchmark* in_own_process(const char* name,
                                               std::function<Figures()> measure)
{
    own_process_cases()[name] = std::move(measure);
    const std::string n = name;
    return benchmark::RegisterBenchmark(name,
                                        [n](benchmark::State& state) {
                                            Figures f;
                                            for (auto _ : state) {
                                                f = run_alone(n);
                                                if (!f.error.empty()) {
                                                    state.SkipWithError(f.error.c_str());
                                                    break;
                                                }
                                                state.SetIterationTime(f.seconds);
                                            }
                                            for (const auto& [counter, value] : f.counters)
                                                state.counters[counter] = value;
                                        })
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->ComputeStatistics("min", fastest)
        ->ComputeStatistics("max", slowest);
}

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows reach the screen the way the game's own do.
    nastav_platformu_oken();
    QApplication app(argc, argv);
    // Google Benchmark reads and removes its flags from its own copy of the arguments
    // (those the application left): the application keeps the ones it was given.
    std::vector<std::string> args(argv, argv + argc);
    QDir::setCurrent(QStringLiteral(TARVANA_BUILD_DIR));
    if (args.size() > 2 && args[1] == "--alone")
        return measure_alone(args[2]);

    if (args.size() > 1 && args[1].rfind("--", 0) != 0)
        args[1] = filter_containing(args[1].c_str());
    // The defaults go first: flags given on the command line come later and win.
    args.insert(args.begin() + 1, {"--benchmark_repetitions=5", "--benchmark_min_time=0.1",
                                   "--benchmark_report_aggregates_only=true"});
    // The console report's colours and table as Google Benchmark's own report has them:
    // colours on a terminal (or as --benchmark_color says), a table of the counters with
    // --benchmark_counters_tabular=true.
    bool console = true;
    bool colour = isatty(fileno(stdout));
    bool tabular = false;
    for (const std::string& a : args) {
        if (a.rfind("--benchmark_format=", 0) == 0)
            console = a == "--benchmark_format=console";
        else if (a.rfind("--benchmark_color=", 0) == 0)
            colour = a != "--benchmark_color=false" && a != "--benchmark_color=no"
                     && (a != "--benchmark_color=auto" || isatty(fileno(stdout)));
        else if (a.rfind("--benchmark_counters_tabular", 0) == 0)
            tabular = a != "--benchmark_counters_tabular=false";
    }
    std::vector<char*> bench_argv;
    for (std::string& a : args)
        bench_argv.push_back(a.data());
    int bench_argc = static_cast<int>(bench_argv.size());
    bench_argv.push_back(nullptr);
    benchmark::Initialize(&bench_argc, bench_argv.data());
    if (benchmark::ReportUnrecognizedArguments(bench_argc, bench_argv.data()))
        return 1;
    if (console) {
        MedianReporter reporter(static_cast<benchmark::ConsoleReporter::OutputOptions>(
            (colour ? benchmark::ConsoleReporter::OO_Color : 0)
            | (tabular ? benchmark::ConsoleReporter::OO_Tabular : 0)));
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
