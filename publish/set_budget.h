#pragma once
// How many writes a day commands may make to one instrument, whose non-volatile memory takes a
// limited number of writes in its life. The count is kept in a file of the working folder, so that
// a restart goes on counting, and each write is counted on disk before it is sent: a crash or a
// power cut can make a write count that was never sent, never one go uncounted.

#include <cstdint>
#include <filesystem>
#include <string>

#include "link/clock.h"

namespace zorkan {

// set-budget/SERIAL.txt in the working folder: "2026-12-08 17", the day and its writes so far.
std::filesystem::path SetBudgetFile(const std::filesystem::path& workDir,
                                    std::int32_t serialNumber);

struct BudgetTaking {
  enum Outcome { Taken, UsedUp, NotCounted } outcome = Taken;
  std::string reason;  // why it was not taken
};

class SetBudget {
 public:
  SetBudget(std::filesystem::path file, int writesPerDay);

  // One of today's writes, counted on disk; or why not: today's are used up, or the count cannot
  // be read or kept. The count starts again on a later day than the file's (a clock put back
  // keeps counting under the file's day).
  BudgetTaking take(const LocalTime& now);

 private:
  std::filesystem::path file_;
  int writesPerDay_;
};

}  // namespace zorkan
