#include "budget.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

class MedianRecorder : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;  // function name -> median real time per iteration

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

void MemsetFloor(benchmark::State& state, size_t bytes) {
    std::vector<unsigned char> buffer(bytes);
    unsigned char value = 0;
    for (auto _ : state) {
        std::memset(buffer.data(), value++, bytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

int RunWithBudgets(int argc, char** argv, std::initializer_list<Budget> budgets) {
    std::vector<char*> args(argv, argv + argc);
    bool repetitionsGiven = false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0) repetitionsGiven = true;
    static char repetitions[] = "--benchmark_repetitions=15";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    if (!repetitionsGiven) {
        args.push_back(repetitions);
        args.push_back(aggregatesOnly);
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    MedianRecorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    benchmark::Shutdown();
    for (const Budget& b : budgets) {
        auto work = recorder.medians.find(b.work);
        auto floor = recorder.medians.find(b.floor);
        if (work == recorder.medians.end() || floor == recorder.medians.end() || floor->second <= 0) {
            std::printf("budget %s: not measured (limit %.2f)\n", b.name, b.limit);
            continue;
        }
        std::printf("budget %s: %.2f x floor (limit %.2f)\n", b.name, work->second / floor->second, b.limit);
    }
    return 0;
}
