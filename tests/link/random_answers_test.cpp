// The answer parsers on random and mutated answers, a hundred thousand of them: a slow test.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "link/answer_parser.h"

namespace zorkan {
namespace {

// Every parser on random and mutated answers: none may crash, read outside its text or report
// success without a well-formed data field.
TEST(ParserRobustness, RandomAndMutatedAnswersNeverCrash) {
  std::mt19937 random(20261207);
  const std::vector<std::string> seeds{"!1;0A;555\r", "!1;41CC0000;12585\r",
                                       "!1;000102030405060708090A0B0C0D0E0F;1\r", "$0000;1\r",
                                       "$0003;4\r"};
  std::uniform_int_distribution<int> anyByte(0, 255);
  int accepted = 0;
  for (int round = 0; round < 100000; ++round) {
    std::string answer;
    if (round % 2 == 0) {
      const std::size_t length = random() % 300;
      for (std::size_t i = 0; i < length; ++i) answer += static_cast<char>(anyByte(random));
    } else {
      answer = seeds[random() % seeds.size()];
      const int edits = 1 + static_cast<int>(random() % 4);
      for (int e = 0; e < edits; ++e) {
        const std::size_t at = answer.empty() ? 0 : random() % answer.size();
        switch (random() % 3) {
          case 0:
            if (!answer.empty()) answer[at] = static_cast<char>(anyByte(random));
            break;
          case 1:
            answer.insert(at, 1, "!;$\r0A"[random() % 6]);
            break;
          default:
            if (!answer.empty()) answer.erase(at, 1 + random() % 8);
        }
      }
    }
    const std::string text(answer);  // exact size, so overreads are caught
    std::uint8_t byte = 0;
    float real = 0;
    DataBlock block{};
    accepted += ParseByteAnswer(text, byte) == kOk;
    (void)ParseFloatAnswer(text, real);
    (void)ParseBlockAnswer(text, block);
    (void)CheckStatusAnswer(text);
  }
  EXPECT_GT(accepted, 0);  // the mutations kept some answers well-formed
}

}  // namespace
}  // namespace zorkan
