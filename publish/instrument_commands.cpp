#include "publish/instrument_commands.h"

#include <algorithm>
#include <utility>

#include "link/link_at_instrument.h"
#include "operator/result_messages.h"
#include "publish/command_payload.h"
#include "workflows/exchange_journal.h"

namespace zorkan {

namespace {

// QoS 1 delivers a command again within seconds; an id is remembered for minutes, and no more
// ids than a storm of commands brings in that time.
constexpr std::int64_t kIdMemoryMs = 10 * 60 * 1000;
constexpr std::size_t kMostIds = 4096;
constexpr std::string_view kSource = "mqtt";

// The result before anything is decided: what the command asked, under its id.
CommandResult Unanswered(std::string_view name, const CommandPayload& asked) {
  CommandResult result;
  result.id = asked.id;
  result.name = name;
  result.asked = asked.asked;
  return result;
}

CommandResult Refused(CommandResult result, LinkError code, std::string text) {
  result.code = code;
  result.text = std::move(text);
  return result;
}

std::string Seconds(std::chrono::milliseconds interval) {
  const auto tenths = interval.count() / 100;
  return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

}  // namespace

InstrumentCommands::InstrumentCommands(const CommandPolicy& policy, std::int32_t serialNumber,
                                       std::uint32_t address)
    : policy_(policy),
      serialNumber_(serialNumber),
      address_(address),
      budget_(SetBudgetFile(policy.workDir, serialNumber), policy.writesPerDay) {}

CommandResult InstrumentCommands::carryOut(std::string_view name, std::string_view payload,
                                           DeviceLink& link) {
  CommandResult result = decide(name, payload, link);
  if (result.code == kOk) {
    ++counts_.done;
  } else {
    ++(result.sent ? counts_.failed : counts_.refused);
  }
  return result;
}

CommandResult InstrumentCommands::refuseAtStop(std::string_view name, std::string_view payload) {
  ++counts_.refused;
  return Refused(Unanswered(name, ParseCommandPayload(payload)), kCommandStopping,
                 "the publisher stopped before the command was carried out");
}

// The guards that need no line come first, so that a flood of bad commands costs no line time.
CommandResult InstrumentCommands::decide(std::string_view name, std::string_view payload,
                                         DeviceLink& link) {
  const CommandPayload asked = ParseCommandPayload(payload);
  CommandResult result = Unanswered(name, asked);
  const std::int64_t nowMs = link.clock().monotonicMs();
  if (!asked.id.empty() && answeredBefore(asked.id, nowMs)) {
    return Refused(std::move(result), kCommandDuplicate, "the id " + asked.id + " was answered");
  }
  const SettableSetting* setting = allowed(name);
  if (setting == nullptr) {
    return Refused(std::move(result), kCommandNotAllowed,
                   std::string(name) + " is not among the settings --allow-set names");
  }
  if (!asked.refusal.empty()) {
    return Refused(std::move(result), kCommandMalformed, asked.refusal);
  }
  const float value = *asked.value;
  if (!setting->checkedAgainstRange) {
    const SettingCheck check = CheckSetting(*setting, value);
    if (check.result != kOk) return Refused(std::move(result), check.result, check.text);
  }
  const auto last = lastSentMs_.find(setting);
  if (last != lastSentMs_.end() && nowMs - last->second < policy_.interval.count()) {
    return Refused(
        std::move(result), kCommandTooSoon,
        std::string(name) + " was commanded less than " + Seconds(policy_.interval) + " s ago");
  }
  lastSentMs_[setting] = nowMs;
  return write(*setting, value, std::move(result), link);
}

CommandResult InstrumentCommands::write(const SettableSetting& setting, float value,
                                        CommandResult result, DeviceLink& link) {
  LinkAtInstrument atInstrument(link);
  atInstrument.moveToAddress(address_);
  if (setting.checkedAgainstRange) {
    ChannelRange range{};
    const ParameterRef least = RangeMinParam(setting.channel);
    const ParameterRef most = RangeMaxParam(setting.channel);
    LinkError read = link.ReadFloatParam(least.space, least.number, range.least);
    if (read == kOk) read = link.ReadFloatParam(most.space, most.number, range.most);
    if (read != kOk) {
      return Refused(
          std::move(result), read,
          "the channel's range, which the check needs, was not read: " + ResultMessageText(read));
    }
    const SettingCheck check = CheckSetting(setting, value, range);
    if (check.result != kOk) return Refused(std::move(result), check.result, check.text);
  }
  if (BudgetTaking budget = budget_.take(link.clock().localTime());
      budget.outcome != BudgetTaking::Taken) {
    return Refused(std::move(result),
                   budget.outcome == BudgetTaking::UsedUp ? kCommandOverBudget : kCommandNotCounted,
                   std::move(budget.reason));
  }
  const ParameterRef where = setting.where();
  float readBack = 0;
  result.sent = true;
  result.code = link.WriteFloatParamVerified(where.space, where.number, value, &readBack);
  if (result.code == kOk || result.code == kReadBackMismatch) result.readBack = readBack;
  result.text = result.code == kOk ? "written and read back" : ResultMessageText(result.code);
  if (policy_.journal != nullptr) {
    RecordSet(*policy_.journal, result.code, {where.space, where.number, ValueKind::Float, value},
              SetOrigin{std::string(kSource), result.id, serialNumber_});
    TellJournalFailure(*policy_.journal);
  }
  return result;
}

const SettableSetting* InstrumentCommands::allowed(std::string_view name) const {
  const auto found = std::ranges::find(policy_.allowed, name, &SettableSetting::name);
  return found == policy_.allowed.end() ? nullptr : *found;
}

bool InstrumentCommands::answeredBefore(const std::string& id, std::int64_t nowMs) {
  while (!answeredIds_.empty() &&
         (nowMs - answeredIds_.front().first > kIdMemoryMs || answeredIds_.size() >= kMostIds)) {
    answered_.erase(answeredIds_.front().second);
    answeredIds_.pop_front();
  }
  if (answered_.contains(id)) return true;
  answered_.insert(id);
  answeredIds_.emplace_back(nowMs, id);
  return false;
}

}  // namespace zorkan
