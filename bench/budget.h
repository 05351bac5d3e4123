// Benchmarks with budgets: after Google Benchmark's table, one line per budget,
//   budget <name>: <ratio> x floor (limit <limit>)
// where the ratio is the median CPU time of the work over the median CPU time of its floor
// (CPU time, since the machines are shared and wall time counts the neighbours too),
// both measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <initializer_list>

struct Budget {
    const char* name;   // "edit-chain"
    const char* work;   // benchmark function names as registered
    const char* floor;
    double limit;
};

// Runs the registered benchmarks (15 repetitions unless the command line says otherwise)
// and prints the budget lines. Returns 0 (the figures are for reading, not a gate).
int RunWithBudgets(int argc, char** argv, std::initializer_list<Budget> budgets);

// The floor: writing `bytes` bytes once with memset into a buffer kept between iterations.
void MemsetFloor(benchmark::State& state, size_t bytes);
