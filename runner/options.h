// The headless runner's command line, parsed without side effects so that
// it can be tested and fuzzed on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorendal {

struct RunnerOptions {
  std::optional<std::uint32_t> seed;  // none: the clock, as the window does
  std::int32_t rounds = 50;
  double minimum = 0.25;
  bool lifetime = false;
  bool map = false;
  bool csv = false;
};

struct ParseResult {
  enum class Kind { kRun, kHelp, kError } kind = Kind::kRun;
  RunnerOptions options;
  std::string error;  // one line naming the option and what it accepts
};

ParseResult ParseRunnerArguments(std::span<const std::string_view> args);

std::string_view RunnerUsage();

}  // namespace vorendal
