#pragma once
// Moments of a history: milliseconds since the epoch (UTC), from the logs' local times and back.

#include <cstdint>
#include <filesystem>

#include "link/clock.h"

namespace zorkan {

// A local time with its zone, as the CSV log writes it.
std::int64_t MomentOf(const LocalTime& time);
// A local date and time of day without a zone, as IZM.txt leaves it: taken in this machine's zone.
std::int64_t MomentOfLocal(int year, int month, int day, int secondOfDay);
// When the file last changed, in this machine's zone.
LocalTime FileTime(const std::filesystem::path& path);

constexpr std::int64_t kMsPerSecond = 1000;

}  // namespace zorkan
