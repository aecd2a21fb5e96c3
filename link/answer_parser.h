#pragma once
// Picking the instrument's answers apart. Every function takes the answer text up to its first NUL
// byte, accepts any content and length, and never reads outside it.

#include <array>
#include <cstdint>
#include <string_view>

#include "link/link_error.h"

namespace zorkan {

using DataBlock = std::array<std::uint8_t, 16>;

// Answers may carry up to this many bytes of leftovers before the "!".
constexpr std::size_t kMaxNoiseBeforeAnswer = 64;

// The answer buffer as text: everything before the first NUL byte.
std::string_view AnswerText(std::string_view buffer);

// 0 when there is no "$" or the instrument accepted; else the code of the first status found.
LinkError CheckStatusAnswer(std::string_view answer);

// 0, 1 (the "!" too far in) or 3 (not in the expected shape); the value is set only on 0.
LinkError ParseByteAnswer(std::string_view answer, std::uint8_t& value);
LinkError ParseFloatAnswer(std::string_view answer, float& value);
// The status is tested first; its code is returned unchanged.
LinkError ParseBlockAnswer(std::string_view answer, DataBlock& block);

}  // namespace zorkan
