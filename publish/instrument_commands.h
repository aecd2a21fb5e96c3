#pragma once
// The commands of one instrument: the guards a command passes before anything is sent (its name,
// its payload, its id, the window's checks, its setting's rate, the day's budget), and the write
// itself, verified by reading it back and journalled as a set from the broker.

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "link/device_link.h"
#include "publish/command_result.h"
#include "publish/set_budget.h"
#include "publish/settable_settings.h"
#include "workflows/exchange_context.h"

namespace zorkan {

// What the publisher lets commands do.
struct CommandPolicy {
  std::vector<const SettableSetting*> allowed;  // none: commands are not taken at all
  std::chrono::milliseconds interval{5000};     // between two commands of one setting
  int writesPerDay = 200;                       // of one instrument
  std::filesystem::path workDir;                // whose set-budget/ counts the day's writes
  ExchangeContext* journal = nullptr;           // records every write; none: nothing is recorded
};

class InstrumentCommands {
 public:
  InstrumentCommands(const CommandPolicy& policy, std::int32_t serialNumber, std::uint32_t address);

  // The command `payload` to set `name`, carried out on `link` between two polls. The link is
  // back at its own address afterwards, however it ends.
  CommandResult carryOut(std::string_view name, std::string_view payload, DeviceLink& link);
  // The answer to a command the publisher stopped before it was carried out.
  CommandResult refuseAtStop(std::string_view name, std::string_view payload);

  const CommandCounts& counts() const { return counts_; }

 private:
  CommandResult decide(std::string_view name, std::string_view payload, DeviceLink& link);
  CommandResult write(const SettableSetting& setting, float value, CommandResult result,
                      DeviceLink& link);
  const SettableSetting* allowed(std::string_view name) const;
  // Whether `id` was answered within the last minutes; it is remembered as answered now.
  bool answeredBefore(const std::string& id, std::int64_t nowMs);

  const CommandPolicy& policy_;
  const std::int32_t serialNumber_;
  const std::uint32_t address_;
  SetBudget budget_;
  // The ids answered lately, oldest first, and the same as a set.
  std::deque<std::pair<std::int64_t, std::string>> answeredIds_;
  std::unordered_set<std::string> answered_;
  // When each setting was last commanded to the line.
  std::map<const SettableSetting*, std::int64_t> lastSentMs_;
  CommandCounts counts_;
};

}  // namespace zorkan
