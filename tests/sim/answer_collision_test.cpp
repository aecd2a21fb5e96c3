// The receiver's decoding of a shared line, where it must hear answers that do not overlap as
// they were sent, whatever their bytes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sim/answer_collision.h"

namespace zorkan::sim {
namespace {

TEST(AnswerCollision, AnswersApartOnTheLineAreHeardIntact) {
  // All-zero data bits run into the stop bit, all-one data bits leave only the start bit low: the
  // two bytes that most easily throw a receiver off its framing.
  const std::string first("\x00\xFF!1;52;7\r", 10);
  const std::string second("$0000;0\r\xFF\x00", 10);
  const std::int64_t firstEnd = 10 * 10 * kTicksPerBit;
  const Transmission apart[] = {{second, firstEnd + 3}, {first, 0}};
  EXPECT_EQ(HeardOnSharedLine(apart), first + second);
}

}  // namespace
}  // namespace zorkan::sim
