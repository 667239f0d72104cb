// One run without a window: the same driver as the window's, with the log,
// or a CSV row per round, collected as text.
#pragma once

#include <string>

#include "runner/options.h"

namespace vorendal {

// The whole standard output of a run with these options, seeded with `seed`
// wherever the window would read the clock.
std::string HeadlessRun(const RunnerOptions& options, std::uint32_t seed);

}  // namespace vorendal
