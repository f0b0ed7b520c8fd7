// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ratio_table.h"

#include <cstdio>

void RatioTableReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.iterations == 0) continue;
        const double dSeconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        m_seconds[run.benchmark_name()] = dSeconds;
        // A figure of several runs stands for its best.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
            m_seconds[run.run_name.function_name] = dSeconds;
    }
}

void RatioTableReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n| figure | time | baseline | baseline time | ratio | goal | met |\n");
    std::printf("|---|---:|---|---:|---:|---|---|\n");
    for (const RatioGoal& goal : m_goals) {
        const auto measured = m_seconds.find(goal.strName);
        if (measured == m_seconds.end()) continue;
        const double dMilliseconds = measured->second * 1e3;
        if (goal.strBaseline.empty()) {
            const bool bMet = dMilliseconds <= goal.dLimit;
            m_bAllMet = m_bAllMet && bMet;
            std::printf("| %s | %.2f ms | | | | %s | %s |\n", goal.strName.c_str(), dMilliseconds, goal.strGoal.c_str(),
                        bMet ? "yes" : "NO");
            continue;
        }
        const auto baseline = m_seconds.find(goal.strBaseline);
        if (baseline == m_seconds.end()) continue;
        const double dRatio = measured->second / baseline->second;
        const bool bMet = dRatio <= goal.dLimit;
        m_bAllMet = m_bAllMet && bMet;
        std::printf("| %s | %.2f ms | %s | %.2f ms | %.2f | %s | %s |\n", goal.strName.c_str(), dMilliseconds,
                    goal.strBaseline.c_str(), baseline->second * 1e3, dRatio, goal.strGoal.c_str(), bMet ? "yes" : "NO");
    }
}
