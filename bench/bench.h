#pragma once
// A tiny benchmark registry: every bench_*.cpp registers its cases, and the one program
// runs them all and prints microseconds per call with the spread over several runs.
#include <functional>
#include <string>
#include <vector>

struct BenchCase {
    std::string name;
    // Runs the measured operation `iterations` times.
    std::function<void(int iterations)> run;
    int iterations = 1000;
    // Cases that report their own figure (pacing ratios, whole-flight times) set this
    // instead of run; it prints one line.
    std::function<std::string()> report;
};

std::vector<BenchCase>& bench_cases();

// Runs `measure` in a fresh run of this program (tarvana_bench --alone <case name>) and
// returns the line it printed, so that start-up and memory figures are not coloured by
// the cases run before them. In that fresh run it simply calls `measure`.
std::string in_own_process(const std::string& case_name,
                           const std::function<std::string()>& measure);

struct BenchRegistrar {
    explicit BenchRegistrar(BenchCase c) { bench_cases().push_back(std::move(c)); }
};
