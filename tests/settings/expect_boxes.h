#pragma once
// Compares the boxes an operator was shown with the expected ones: caption, text, icon and buttons,
// in order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operator/operator_dialogs.h"

namespace zorkan::testing {

inline std::string ShownTexts(const std::vector<DialogMessage>& shown) {
  std::string texts;
  for (const DialogMessage& box : shown) texts += "\n  " + box.caption + " | " + box.text;
  return texts;
}

inline void ExpectBoxes(const std::vector<DialogMessage>& shown,
                        const std::vector<DialogMessage>& expected) {
  ASSERT_EQ(shown.size(), expected.size()) << "shown:" << ShownTexts(shown);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE("box " + std::to_string(i + 1));
    EXPECT_EQ(shown[i].caption, expected[i].caption);
    EXPECT_EQ(shown[i].text, expected[i].text);
    EXPECT_EQ(shown[i].icon, expected[i].icon);
    EXPECT_EQ(shown[i].buttons, expected[i].buttons);
  }
}

}  // namespace zorkan::testing
