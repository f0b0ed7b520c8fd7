// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <string>

// Registers a benchmark of a whole program run, start-up included, as a
// build script runs it: COMMAND split at spaces, started without a shell.
// Its time is the child's processor time (user and system), the best of
// five runs, so that the tool and its baseline are timed alike and other
// processes on a busy machine do not count; the wall clock of the best run
// is reported beside it.
benchmark::internal::Benchmark* RegisterProcessBenchmark(const std::string& name, const std::string& command);
