#include "sim/fault_text.h"

#include <charconv>
#include <string_view>

#include "link/frame.h"

namespace zorkan::sim {

namespace {

struct KindName {
  std::string_view name;
  FaultKind kind;
  bool needsAmount;
  int amountBase;
};

constexpr KindName kKindNames[] = {
    {"silence", FaultKind::Silence, false, 10},
    {"late", FaultKind::Late, true, 10},
    {"noise-before", FaultKind::NoiseBefore, true, 10},
    {"noise-after", FaultKind::NoiseAfter, true, 10},
    {"status", FaultKind::Status, true, 16},
    {"altered", FaultKind::AlteredReadBack, false, 10},
};

std::optional<unsigned> Number(std::string_view text, int base) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, base);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

// Removes and returns the part of `text` that starts at `mark`, without the mark.
std::optional<std::string_view> TakeSuffix(std::string_view& text, char mark) {
  const auto at = text.rfind(mark);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view suffix = text.substr(at + 1);
  text = text.substr(0, at);
  return suffix;
}

}  // namespace

const char kFaultTextHelp[] =
    "  [ADDRESS/]KIND[@SPACE:NUMBER][=AMOUNT][xTIMES]\n"
    "    ADDRESS/: only the instruments at that network address; default every instrument on\n"
    "              the line (each counts its own requests for xTIMES)\n"
    "    KIND: silence, late (AMOUNT ms), noise-before / noise-after (AMOUNT junk bytes),\n"
    "          status (AMOUNT: four hex digits, answered instead), altered (writes read back\n"
    "          altered: byte +1, float +1.0)\n"
    "    @SPACE:NUMBER: only requests for that parameter (space 1 or 2); default every request\n"
    "    xTIMES: only the next TIMES affected requests; default all\n"
    "    e.g. silence@2:315  late@2:15=1500x1  status@2:3=0003  noise-before=70  altered@2:29\n"
    "         7/silence (the instrument at address 7 says nothing)\n";

std::optional<Fault> ParseFault(std::string_view text) {
  std::optional<std::uint32_t> networkAddress;
  if (const auto slash = text.find('/'); slash != std::string_view::npos) {
    networkAddress = Number(text.substr(0, slash), 10);
    if (!networkAddress) return std::nullopt;
    text = text.substr(slash + 1);
  }
  std::optional<std::string_view> times;
  // Names hold no 'x' and status amounts are hex digits, so the last 'x' starts the count.
  if (const auto at = text.rfind('x'); at != std::string_view::npos) {
    times = text.substr(at + 1);
    text = text.substr(0, at);
  }
  const auto amount = TakeSuffix(text, '=');
  const auto target = TakeSuffix(text, '@');

  const KindName* kind = nullptr;
  for (const KindName& candidate : kKindNames) {
    if (candidate.name == text) kind = &candidate;
  }
  if (kind == nullptr || kind->needsAmount != amount.has_value()) return std::nullopt;

  Fault fault{kind->kind};
  fault.networkAddress = networkAddress;
  if (amount) {
    const auto value = Number(*amount, kind->amountBase);
    if (!value || *value > 0xFFFFFF) return std::nullopt;
    fault.amount = static_cast<int>(*value);
  }
  if (target) {
    const auto colon = target->find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto space = Number(target->substr(0, colon), 10);
    const auto number = Number(target->substr(colon + 1), 10);
    if (!space || (*space != 1 && *space != 2) || !number || *number > kMaxParameterNumber) {
      return std::nullopt;
    }
    fault.space = static_cast<int>(*space);
    fault.number = *number;
  }
  if (times) {
    const auto count = Number(*times, 10);
    if (!count || *count == 0 || *count > 1'000'000) return std::nullopt;
    fault.times = static_cast<int>(*count);
  }
  return fault;
}

}  // namespace zorkan::sim
