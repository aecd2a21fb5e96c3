#include "publish/set_budget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <tuple>

#include "ini/atomic_file.h"

namespace zorkan {

namespace {

struct DayCount {
  int year = 0;
  int month = 0;
  int day = 0;
  int writes = 0;
};

auto DayOf(const DayCount& count) {
  return std::tie(count.year, count.month, count.day);
}

std::string DayCountText(const DayCount& count) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %d\n", count.year, count.month, count.day,
                count.writes);
  return text;
}

// No day, no writes, for a file that is not there yet; nullopt when it holds something else than
// a count, or cannot be read.
std::optional<DayCount> ReadDayCount(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) return DayCount{};
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  DayCount count;
  int length = 0;
  const std::string content = text.str();
  if (std::sscanf(content.c_str(), "%4d-%2d-%2d %d\n%n", &count.year, &count.month, &count.day,
                  &count.writes, &length) != 4 ||
      static_cast<std::size_t>(length) != content.size() || count.writes < 0) {
    return std::nullopt;
  }
  return count;
}

// The new content and its name on the disk, before the write it counts goes out.
bool SyncToDisk(const std::filesystem::path& file) {
  const auto sync = [](const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
  };
  return sync(file, O_RDONLY) && sync(file.parent_path(), O_RDONLY | O_DIRECTORY);
}

}  // namespace

std::filesystem::path SetBudgetFile(const std::filesystem::path& workDir,
                                    std::int32_t serialNumber) {
  return workDir / "set-budget" / (std::to_string(serialNumber) + ".txt");
}

SetBudget::SetBudget(std::filesystem::path file, int writesPerDay)
    : file_(std::move(file)), writesPerDay_(writesPerDay) {}

BudgetTaking SetBudget::take(const LocalTime& now) {
  std::optional<DayCount> count = ReadDayCount(file_);
  if (!count) {
    return {BudgetTaking::NotCounted, "the count of today's writes in " + file_.string() +
                                          " cannot be read; remove the file to count anew"};
  }
  const DayCount today{now.year, now.month, now.day, 0};
  if (DayOf(today) > DayOf(*count)) *count = today;
  if (count->writes >= writesPerDay_) {
    return {BudgetTaking::UsedUp,
            "the " + std::to_string(writesPerDay_) + " writes of the day are used up"};
  }
  ++count->writes;
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error || !ReplaceFileAtomically(file_, DayCountText(*count)) || !SyncToDisk(file_)) {
    return {BudgetTaking::NotCounted,
            "the count of today's writes cannot be kept in " + file_.string()};
  }
  return {};
}

}  // namespace zorkan
