// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// A figure compared with the baseline measured in the same run, or, without
// a baseline, with a time limit in milliseconds.
struct RatioGoal {
    std::string strName;       // the measured benchmark
    std::string strBaseline;   // the benchmark it is compared with; empty for a time limit
    double dLimit;             // the ratio (name / baseline), or the milliseconds, it must not exceed
    std::string strGoal;       // the goal as a person reads it
};

// Prints Google Benchmark's usual lines, then one table of ratios against
// the baselines, because single timings on a shared machine mean little.
class RatioTableReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioTableReporter(std::vector<RatioGoal> goals) : m_goals(std::move(goals)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when a goal was missed; known after Finalize.
    bool AllGoalsMet() const { return m_bAllMet; }

private:
    std::vector<RatioGoal> m_goals;
    std::map<std::string, double> m_seconds;   // real time an iteration
    bool m_bAllMet = true;
};
