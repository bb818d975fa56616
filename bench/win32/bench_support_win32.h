// What the benchmarks share: a clock, the best of a few runs, and the names
// of the listing benchmark.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qd::bench {

// Seconds from the performance counter.
double Now();

// The fastest of a few runs, in milliseconds; `prepare` runs untimed first.
double Best(int runs, const std::function<void()>& f, const std::function<void()>& prepare = nullptr);

// Names of 10 to 60 bytes, Japanese ones among them, so that none fits in a
// string's inline buffer by luck. scripts/bench.sh makes the same names from
// the Linux side; the two lists must stay alike.
std::string BenchName(int i, int count);
uint64_t BenchSize(int i);

}  // namespace qd::bench
