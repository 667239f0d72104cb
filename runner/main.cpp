// vorendal-run: one run of the segregation model without a window, for
// reproducible experiments. The same seed and settings give the same output
// on every machine.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/random.h"
#include "runner/headless_run.h"
#include "runner/options.h"

int main(int argc, char** argv) {
  using namespace vorendal;
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const ParseResult parsed = ParseRunnerArguments(args);
  const std::string_view usage = RunnerUsage();
  switch (parsed.kind) {
    case ParseResult::Kind::kHelp:
      std::fwrite(usage.data(), 1, usage.size(), stdout);
      return 0;
    case ParseResult::Kind::kError:
      std::fprintf(stderr, "vorendal-run: %s\n", parsed.error.c_str());
      std::fwrite(usage.data(), 1, usage.size(), stderr);
      return 2;
    case ParseResult::Kind::kRun:
      break;
  }
  std::uint32_t seed = 0;
  if (parsed.options.seed) {
    seed = *parsed.options.seed;
  } else {
    // Read the clock once: both reseeds of the run see the same value, so
    // the seed reported reproduces the run.
    seed = SystemClock().MillisecondsSinceMidnight();
    std::fprintf(stderr, "seed: %u\n", seed);
  }
  const std::string out = HeadlessRun(parsed.options, seed);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
