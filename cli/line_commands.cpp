#include "cli/line_commands.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/profile_files.h"
#include "cli/result_texts.h"
#include "ini/ini_file.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile_document.h"
#include "workflows/line_transfer.h"

namespace zorkan::cli {

namespace {

std::vector<LinePlace> PlacesOf(const std::vector<std::uint32_t>& addresses,
                                std::uint32_t baudRate) {
  std::vector<LinePlace> places;
  for (const std::uint32_t address : addresses) places.push_back({address, baudRate});
  return places;
}

void PrintSummary(const InstrumentTransfer& instrument, const std::string& outcome) {
  const std::string serial =
      instrument.serialNumber ? std::to_string(*instrument.serialNumber) : "-";
  std::printf("%u\t%s\t%s\n", static_cast<unsigned>(instrument.place.networkAddress),
              serial.c_str(), outcome.c_str());
}

// The line's own column of an instrument whose operation did not succeed, or never reached it.
std::string FailureText(const InstrumentTransfer& instrument, std::string_view notReached) {
  return instrument.result ? ResultText(*instrument.result) : std::string(notReached);
}

// SERIAL.prf, or SERIAL-ADDRESS.prf when an instrument read before has that serial number too:
// no instrument's profile replaces another's.
std::filesystem::path ProfileName(const InstrumentTransfer& instrument,
                                  std::set<std::int32_t>& serialsTaken) {
  // Appended piece by piece: GCC 12's Release build takes a sum of strings here for an overlap.
  std::string name = std::to_string(*instrument.serialNumber);
  if (!serialsTaken.insert(*instrument.serialNumber).second) {
    name += '-';
    name += std::to_string(instrument.place.networkAddress);
  }
  name += ".prf";
  return name;
}

// The read into the instrument's profile: a new one starts as `newProfile`, an existing one keeps
// what only profiles hold, as a single read keeps it. kOk or kExitProfileUnusable, the reason
// printed.
int SaveInstrumentProfile(const std::filesystem::path& path, const IniDocument& newProfile,
                          const DeviceSettings& read) {
  const IniFile file(path);
  std::error_code error;
  const bool missing = !std::filesystem::exists(path, error) && !error;
  std::optional<IniDocument> profile = newProfile;
  DeviceSettings settings = read;
  if (!missing) {
    profile = ReadExistingProfile(file);
    if (!profile) return kExitProfileUnusable;
    LoadProfileFrom(*profile, settings);
    CopyReadSettings(read, settings);
  }
  SaveProfileInto(*profile, settings);
  if (!ReplaceProfile(file, *profile)) {
    Tell(UnableToWriteText(path));
    return kExitProfileUnusable;
  }
  return kOk;
}

}  // namespace

int RunLineRead(const ReadCommand& command, Session& session) {
  const std::filesystem::path folder = command.profile;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(folder, error);
  const bool missing = error == std::errc::no_such_file_or_directory;
  if (error && !missing) return Refused(folder, error.message());
  if (!missing && !std::filesystem::is_directory(status)) return Refused(folder, "not a folder");
  // Every profile starts as a new one would: the default profile, with the write-backs of its
  // load.
  IniDocument newProfile = DefaultProfile();
  DeviceSettings start;
  LoadProfileFrom(newProfile, start);
  if (const auto refused = session.open()) return *refused;
  // Made once the port is open, so that a port that cannot be opened leaves nothing behind.
  if (missing) {
    std::filesystem::create_directories(folder, error);
    if (error) return Refused(folder, error.message());
  }
  ExchangeContext exchange = session.exchange();
  const std::vector<LinePlace> places = PlacesOf(command.addresses, session.link().baudRate());
  const LineRead read = ReadLineOfInstruments(exchange, places, start);
  std::set<std::int32_t> serialsTaken;
  int firstFailure = kOk;
  for (std::size_t i = 0; i < read.transfer.instruments.size(); ++i) {
    const InstrumentTransfer& instrument = read.transfer.instruments[i];
    if (instrument.result != kOk) {
      PrintSummary(instrument, FailureText(instrument, "not read"));
      if (instrument.result && firstFailure == kOk) firstFailure = *instrument.result;
      continue;
    }
    const std::filesystem::path path = folder / ProfileName(instrument, serialsTaken);
    const int code = SaveInstrumentProfile(path, newProfile, read.settings[i]);
    PrintSummary(instrument, code == kOk ? path.string() : ResultText(code));
    if (firstFailure == kOk) firstFailure = code;
  }
  // Stopped between two instruments, after every one read so far had succeeded.
  if (firstFailure == kOk) firstFailure = read.transfer.result;
  return session.finish(firstFailure);
}

int WriteLine(const WriteCommand& command, Session& session, DeviceSettings& settings,
              SettingsView& pages) {
  ExchangeContext exchange = session.exchange();
  const std::vector<LinePlace> places = PlacesOf(command.addresses, session.link().baudRate());
  const LineTransfer line = WriteLineOfInstruments(exchange, places, settings, pages);
  for (const InstrumentTransfer& instrument : line.instruments) {
    PrintSummary(instrument,
                 instrument.result == kOk ? "written" : FailureText(instrument, "not written"));
  }
  return session.finish(line.result);
}

}  // namespace zorkan::cli
