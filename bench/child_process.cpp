// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/child_process.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct ChildTimes {
    double dProcessor = 0;   // seconds of user and system time
    double dWall = 0;
    bool bSucceeded = false;
};

ChildTimes RunChild(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ChildTimes times;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return times;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return times;
    times.dWall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto Seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    times.dProcessor = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    times.bSucceeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return times;
}

void RunProcess(benchmark::State& state, const std::vector<std::string>& words)
{
    for (auto _ : state) {
        const ChildTimes times = RunChild(words);
        if (!times.bSucceeded) {
            state.SkipWithError(("failed: " + words.front()).c_str());
            break;
        }
        state.SetIterationTime(times.dProcessor);
        state.counters["wall_ms"] = times.dWall * 1e3;
    }
}

} // namespace

benchmark::internal::Benchmark* RegisterProcessBenchmark(const std::string& name, const std::string& command)
{
    std::vector<std::string> words;
    std::istringstream split(command);
    for (std::string word; split >> word;) words.push_back(word);
    return benchmark::RegisterBenchmark(name.c_str(), RunProcess, words)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(5)
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}
