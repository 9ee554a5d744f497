#include "benchmark.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace zorvan::bench {

std::vector<Benchmark> &Registry()
{
    static std::vector<Benchmark> benchmarks;
    return benchmarks;
}

Registration::Registration(std::string name, std::function<Measurement()> run)
{
    Registry().push_back({std::move(name), std::move(run)});
}

double MedianMilliseconds(int runs, const std::function<void()> &fn)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        fn();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1.0e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace zorvan::bench

// zorvan-bench [name...]: runs the named benchmarks (all when none is named)
// and prints one line each: "name: value unit (ratio r of budget)".
int main(int argc, char **argv)
{
    using namespace zorvan::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::vector<std::string> wanted(argv + 1, argv + argc);
    std::vector<Benchmark> benchmarks = Registry();
    std::sort(benchmarks.begin(), benchmarks.end(), [](const Benchmark &a, const Benchmark &b) { return a.name < b.name; });
    int status = 0;
    for (const std::string &name : wanted) {
        if (std::none_of(benchmarks.begin(), benchmarks.end(), [&](const Benchmark &b) { return b.name == name; })) {
            std::fprintf(stderr, "zorvan-bench: no benchmark named '%s'\n", name.c_str());
            status = 2;
        }
    }
    for (const Benchmark &b : benchmarks) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), b.name) == wanted.end())
            continue;
        const Measurement m = b.run();
        if (m.budget > 0)
            std::printf("%s: %.2f %s (ratio %.3f of the %g %s budget)\n", b.name.c_str(), m.value, m.unit.c_str(),
                        m.value / m.budget, m.budget, m.unit.c_str());
        else
            std::printf("%s: %.2f %s\n", b.name.c_str(), m.value, m.unit.c_str());
        std::fflush(stdout);
    }
    return status;
}
