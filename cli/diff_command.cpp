// diff: the instrument compared with a profile, through the same workflow as the window's.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/difference_lines.h"
#include "cli/json_text.h"
#include "cli/profile_files.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile_document.h"
#include "workflows/instrument_comparison.h"

namespace zorkan::cli {

int RunDiff(const DiffCommand& command, Session& session) {
  // Only read: the load's write-backs stay in memory, and the file is left as it is.
  std::optional<IniDocument> profile = ReadExistingProfile(IniFile(command.profile));
  if (!profile) return kExitProfileUnusable;
  if (const auto missing = MissingSettingsText(MissingWrittenKeys(*profile))) {
    return Refused(command.profile, *missing);
  }
  DeviceSettings wanted;
  LoadProfileFrom(*profile, wanted);
  if (const auto refused = session.open()) return *refused;
  ExchangeContext exchange = session.exchange();
  const InstrumentComparison comparison = CompareInstrumentWith(exchange, wanted);
  if (comparison.result != kOk) return comparison.result;
  return PrintDifferences(comparison.differences, command.json, {"instrument", "profile"});
}

int PrintDifferences(const std::vector<ProfileKeyDifference>& differences, bool json,
                     ComparedSides sides) {
  std::vector<std::string> objects;
  for (const ProfileKeyDifference& row : differences) {
    const std::string caption = profile::CaptionOfKey(row.section, row.key);
    if (json) {
      objects.push_back(JsonObject()
                            .string("section", row.section)
                            .string("key", row.key)
                            .string(sides.first, row.firstValue)
                            .string(sides.second, row.secondValue)
                            .string("caption", caption)
                            .text());
    } else {
      std::printf("%s %s\t%s\t%s\t%s\n", row.section.c_str(), row.key.c_str(),
                  row.firstValue.c_str(), row.secondValue.c_str(), caption.c_str());
    }
  }
  if (json) {
    std::printf("%s\n", JsonObject().json("differences", JsonArray(objects)).text().c_str());
  }
  return differences.empty() ? kOk : kExitDiffers;
}

}  // namespace zorkan::cli
