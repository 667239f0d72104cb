#include "runner/options.h"

#include <charconv>
#include <cmath>

namespace vorendal {

namespace {

// A whole number in min..max: digits only, no sign, no spaces, no junk.
template <class T>
std::optional<T> ParseWhole(std::string_view text, std::uint64_t min, std::uint64_t max) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return static_cast<T>(value);
}

// A decimal number in 0..1, such as 0.25, .5, 1 or 3e-1.
std::optional<double> ParseShare(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char first = text.front();
  if (!(first == '.' || (first >= '0' && first <= '9'))) return std::nullopt;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < 0.0 || value > 1.0) return std::nullopt;
  return value;
}

ParseResult Error(std::string message) {
  ParseResult result;
  result.kind = ParseResult::Kind::kError;
  result.error = std::move(message);
  return result;
}

}  // namespace

std::string_view RunnerUsage() {
  return "usage: vorendal-run [--seed N] [--rounds N] [--minimum T] [--lifetime] [--map] [--csv] "
         "[--help]\n"
         "  --seed N     the generator's seed, a whole number 0..4294967295 (default: the clock)\n"
         "  --rounds N   the round limit, a whole number 1..1000000 (default 50)\n"
         "  --minimum T  the minimum share of like neighbours, a number from 0 to 1 (default "
         "0.25)\n"
         "  --lifetime   agents also move when their lifetime runs out; no early stop\n"
         "  --map        after the log, the final society: 50 lines of 50 characters,\n"
         "               '.' empty, '1' or '2' the agent's colour group\n"
         "  --csv        instead of the log: round,sought,moved,mean_similarity,content_share\n"
         "  --help       this text\n";
}

ParseResult ParseRunnerArguments(std::span<const std::string_view> args) {
  ParseResult result;
  RunnerOptions& options = result.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::optional<std::string_view> inline_value;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      inline_value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
    }
    const bool takes_value = arg == "--seed" || arg == "--rounds" || arg == "--minimum";
    const bool flag = arg == "--help" || arg == "--lifetime" || arg == "--map" || arg == "--csv";
    if (flag && inline_value) {
      return Error("option " + std::string(arg) + " takes no value");
    }
    if (arg == "--help") {
      result.kind = ParseResult::Kind::kHelp;
      return result;
    }
    if (arg == "--lifetime") {
      options.lifetime = true;
    } else if (arg == "--map") {
      options.map = true;
    } else if (arg == "--csv") {
      options.csv = true;
    } else if (takes_value) {
      std::string_view value;
      if (inline_value) {
        value = *inline_value;
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return Error("option " + std::string(arg) + " needs a value: " +
                     (arg == "--seed"     ? "a whole number 0..4294967295"
                      : arg == "--rounds" ? "a whole number 1..1000000"
                                          : "a number from 0 to 1"));
      }
      if (arg == "--seed") {
        const auto seed = ParseWhole<std::uint32_t>(value, 0, 4294967295u);
        if (!seed) return Error("option --seed accepts a whole number 0..4294967295");
        options.seed = *seed;
      } else if (arg == "--rounds") {
        const auto rounds = ParseWhole<std::int32_t>(value, 1, 1000000);
        if (!rounds) return Error("option --rounds accepts a whole number 1..1000000");
        options.rounds = *rounds;
      } else {
        const auto minimum = ParseShare(value);
        if (!minimum) return Error("option --minimum accepts a number from 0 to 1");
        options.minimum = *minimum;
      }
    } else {
      std::string shown(arg.substr(0, 60));
      for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
      }
      return Error("unknown option " + shown + " (see the options below)");
    }
  }
  return result;
}

}  // namespace vorendal
