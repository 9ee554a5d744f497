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
    // Figures compared with the least work that does the same job: that
    // floor in the same unit, and the goal as a multiple of it (0: none).
    double floor = 0.0;
    double floorGoal = 0.0;
    // Printed after the figure: what the floor is, processor time and the like.
    std::string note;
};

struct Benchmark {
    std::string name;
    std::function<Measurement()> run;
    // A named group run together with `--suite name`, in the order of `order`.
    std::string suite;
    int order = 0;
};

std::vector<Benchmark> &Registry();

// Registers a benchmark at start-up: `static zorvan::bench::Registration r{"name", fn};`
struct Registration {
    Registration(std::string name, std::function<Measurement()> run, std::string suite = {}, int order = 0);
};

// Median of `runs` timings of fn, in milliseconds.
double MedianMilliseconds(int runs, const std::function<void()> &fn);

// Medians of wall-clock and processor time (all threads of the process) of
// `runs` calls of fn. On a loaded machine the processor time shows what the
// work itself costs.
struct Timing {
    double wallMs = 0.0;
    double cpuMs = 0.0;
};
Timing MedianTiming(int runs, const std::function<void()> &fn);

// "cpu 12.3 ms, floor cpu 4.5 ms" and the like, for Measurement::note.
std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zorvan::bench
