// libFuzzer target for the runner's argument parsing: any bytes, split at
// NUL into arguments, must parse to a run, help or one-line error, and a
// run's options must lie in their documented ranges.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "runner/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> args;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  for (std::size_t start = 0; start <= all.size();) {
    const std::size_t end = std::min(all.find('\0', start), all.size());
    args.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  const vorendal::ParseResult r = vorendal::ParseRunnerArguments(args);
  using Kind = vorendal::ParseResult::Kind;
  if (r.kind == Kind::kError && (r.error.empty() || r.error.find('\n') != std::string::npos)) {
    std::abort();
  }
  if (r.kind == Kind::kRun) {
    const auto& o = r.options;
    if (o.rounds < 1 || o.rounds > 1000000 || !(o.minimum >= 0.0 && o.minimum <= 1.0)) std::abort();
  }
  return 0;
}
