#pragma once

namespace zorvan::bench {

// zorvan-bench runs itself with this first argument to measure the peak
// memory of an editor with a board open in a process of its own, so that the
// other benchmarks do not count.
inline constexpr char kPeakMemoryChildArgument[] = "--peak-memory-child";

// The child's work: with a folder, opens board 2 from it and refreshes it;
// without, only starts up. Prints the process's peak resident size in KiB.
int RunPeakMemoryChild(int argc, char **argv);

} // namespace zorvan::bench
