// diff: the instrument compared with a profile, through the same workflow as the window's.
#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "cli/difference_lines.h"
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
  if (!session.openPort()) return session.finish(kNoAnswer);
  ExchangeContext exchange = session.exchange();
  const InstrumentComparison comparison = CompareInstrumentWith(exchange, wanted);
  if (comparison.result != kOk) return comparison.result;
  return PrintDifferences(comparison.differences);
}

int PrintDifferences(const std::vector<ProfileKeyDifference>& differences) {
  for (const ProfileKeyDifference& row : differences) {
    std::printf("%s %s\t%s\t%s\t%s\n", row.section.c_str(), row.key.c_str(), row.firstValue.c_str(),
                row.secondValue.c_str(), profile::CaptionOfKey(row.section, row.key).c_str());
  }
  return differences.empty() ? kOk : kExitDiffers;
}

}  // namespace zorkan::cli
