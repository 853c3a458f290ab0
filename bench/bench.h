#pragma once
// The benchmark program runs on Google Benchmark. Every bench_<subsystem>.cpp registers
// its cases when the program starts:
//
//   [[maybe_unused]] auto* const r = bench_case("name", [](benchmark::State& state) {
//       ...set-up, untimed...
//       for (auto _ : state)
//           ...one call of what is measured...
//   });
//
// Times are wall-clock times (what the player waits for) unless a case says otherwise;
// figures that are not times (ratios, memory) are the case's counters.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A case timed in wall-clock time, reported in microseconds (the median of the runs, with
// the fastest and the slowest as aggregates min and max).
benchmark::internal::Benchmark* bench_case(const char* name,
                                           std::function<void(benchmark::State&)> run);

// What a measurement made in a fresh process found.
struct Figures {
    std::string error;    // why it failed; empty when it did not
    double seconds = 0;   // the case's time
    // The case's counters, by name.
    std::vector<std::pair<std::string, double>> counters;
};

// A case measured in a fresh run of this program (tarvana_bench --alone <name>), so that
// start-up and memory figures are not coloured by the cases run before them: `measure`
// runs once there, and its time and counters become the case's. Reported in milliseconds.
benchmark::internal::Benchmark* in_own_process(const char* name,
                                               std::function<Figures()> measure);
