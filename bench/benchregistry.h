#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zorvan::bench {

// What one benchmark measured; budget (same unit, 0 for none) is the goal the
// value is compared with.
struct Measurement {
    double value = 0.0;
    std::string unit;
    double budget = 0.0;
};

struct Benchmark {
    std::string name;
    std::function<Measurement()> run;
};

std::vector<Benchmark> &Registry();

// Registers a benchmark at start-up: `static zorvan::bench::Registration r{"name", fn};`
struct Registration {
    Registration(std::string name, std::function<Measurement()> run);
};

// Median of `runs` timings of fn, in milliseconds.
double MedianMilliseconds(int runs, const std::function<void()> &fn);

} // namespace zorvan::bench
