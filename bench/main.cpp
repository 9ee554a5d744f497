#include "benchmark.h"

#include "peakmemory.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace zorvan::bench {

std::vector<Benchmark> &Registry()
{
    static std::vector<Benchmark> benchmarks;
    return benchmarks;
}

Registration::Registration(std::string name, std::function<Measurement()> run, std::string suite, int order)
{
    Registry().push_back({std::move(name), std::move(run), std::move(suite), order});
}

double MedianMilliseconds(int runs, const std::function<void()> &fn)
{
    return MedianTiming(runs, fn).wallMs;
}

namespace {

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1.0e3 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Print(const Benchmark &b, const Measurement &m)
{
    if (m.floor <= 0 && m.floorGoal <= 0) {
        if (m.budget > 0)
            std::printf("%s: %.2f %s (ratio %.3f of the %g %s budget)\n", b.name.c_str(), m.value, m.unit.c_str(),
                        m.value / m.budget, m.budget, m.unit.c_str());
        else
            std::printf("%s: %.2f %s\n", b.name.c_str(), m.value, m.unit.c_str());
        return;
    }
    std::printf("%s: %.2f %s", b.name.c_str(), m.value, m.unit.c_str());
    if (m.floor > 0)
        std::printf(", %.2f x floor (floor %.2f %s)", m.value / m.floor, m.floor, m.unit.c_str());
    if (m.budget > 0)
        std::printf("; goal under %g %s: %s", m.budget, m.unit.c_str(), m.value < m.budget ? "met" : "missed");
    if (m.floorGoal > 0 && m.floor > 0)
        std::printf("; goal within %g x floor: %s", m.floorGoal, m.value <= m.floorGoal * m.floor ? "met" : "missed");
    if (!m.note.empty())
        std::printf(" [%s]", m.note.c_str());
    std::printf("\n");
}

} // namespace

Timing MedianTiming(int runs, const std::function<void()> &fn)
{
    // Profiling under valgrind needs only a run or two; a single timing (a
    // first refresh) stays single.
    const int forced = qEnvironmentVariableIntValue("ZORVAN_BENCH_RUNS");
    if (forced > 0 && runs > 1)
        runs = forced;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = ProcessCpuMs();
        timer.start();
        fn();
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1.0e6);
        cpu.push_back(ProcessCpuMs() - cpuStart);
    }
    return {Median(wall), Median(cpu)};
}

std::string Format(const char *format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

} // namespace zorvan::bench

// zorvan-bench [name...]: runs the named benchmarks (all when none is named)
// and prints one line each: "name: value unit (ratio r of budget)".
// zorvan-bench --suite name: runs the benchmarks of that group, in its order.
int main(int argc, char **argv)
{
    using namespace zorvan::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], kPeakMemoryChildArgument) == 0)
        return RunPeakMemoryChild(argc - 2, argv + 2);

    std::vector<std::string> wanted(argv + 1, argv + argc);
    std::string suite;
    if (wanted.size() == 2 && wanted[0] == "--suite") {
        suite = wanted[1];
        wanted.clear();
    }
    std::vector<Benchmark> benchmarks = Registry();
    std::sort(benchmarks.begin(), benchmarks.end(), [](const Benchmark &a, const Benchmark &b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    });
    int status = 0;
    if (!suite.empty()
        && std::none_of(benchmarks.begin(), benchmarks.end(), [&](const Benchmark &b) { return b.suite == suite; })) {
        std::fprintf(stderr, "zorvan-bench: no suite named '%s'\n", suite.c_str());
        return 2;
    }
    for (const std::string &name : wanted) {
        if (std::none_of(benchmarks.begin(), benchmarks.end(), [&](const Benchmark &b) { return b.name == name; })) {
            std::fprintf(stderr, "zorvan-bench: no benchmark named '%s'\n", name.c_str());
            status = 2;
        }
    }
    for (const Benchmark &b : benchmarks) {
        if (!suite.empty() && b.suite != suite)
            continue;
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), b.name) == wanted.end())
            continue;
        Print(b, b.run());
        std::fflush(stdout);
    }
    return status;
}
