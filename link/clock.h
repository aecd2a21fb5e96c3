#pragma once
// The clock seam: local wall-clock time for logs and dates, monotonic milliseconds for waits (so
// that a wait across an hour or a day boundary is still measured right).

#include <cstdint>
#include <string>

namespace zorkan {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int utcOffsetMinutes = 0;  // of the local zone at that moment: +180 in Moscow
  bool operator==(const LocalTime&) const = default;
};

// ISO 8601 without a zone: "2026-12-08T15:52:03".
std::string IsoTimeText(const LocalTime& time);
// ISO 8601 with milliseconds and the zone, so that two polls within a second get two stamps and a
// log read elsewhere still tells the moment: "2026-12-08T15:52:03.250+03:00".
std::string IsoTimeWithZoneText(const LocalTime& time);

// The moment, in milliseconds since the epoch (UTC), in this machine's zone with its offset.
LocalTime LocalTimeAt(std::int64_t epochMs);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime localTime() const = 0;
  virtual std::int64_t monotonicMs() const = 0;
};

class SystemClock final : public Clock {
 public:
  LocalTime localTime() const override;
  std::int64_t monotonicMs() const override;
};

}  // namespace zorkan
