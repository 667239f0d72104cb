#include "platform/random.h"

#include <chrono>

namespace vorendal {

std::uint32_t SystemClock::MillisecondsSinceMidnight() const {
  using namespace std::chrono;
  // system_clock counts UTC without leap seconds, so the remainder of a day
  // is exactly the UTC time of day.
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  constexpr long long kDay = 24LL * 60 * 60 * 1000;
  return static_cast<std::uint32_t>(((ms % kDay) + kDay) % kDay);
}

}  // namespace vorendal
