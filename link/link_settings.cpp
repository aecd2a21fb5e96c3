#include "link/link_settings.h"

#include <algorithm>
#include <limits>

#include "ini/ini_file.h"

namespace zorkan {

namespace {

constexpr std::int32_t kMaxPortNumber = 4;
constexpr std::uint32_t kDefaultTimeOutSeconds = 1;
constexpr std::uint32_t kLongReplyTimeoutMs = 4000;

// Writes keys until the file system first refuses; later writes are skipped, so that the refusal
// is one to tell, not ten.
class LinkSettingsFile {
 public:
  explicit LinkSettingsFile(const std::filesystem::path& workDir)
      : ini_(workDir / kLinkSettingsFileName) {}

  const IniFile& ini() const { return ini_; }
  bool refused() const { return refused_; }

  void writeInteger(const char* section, const char* key, std::int64_t value) {
    if (refused_) return;
    const auto clamped = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    noteRefusal(ini_.writeInteger(section, key, clamped));
  }

  void writeText(const char* section, const char* key, const std::string& text) {
    if (refused_) return;
    noteRefusal(ini_.writeText(section, key, text));
  }

 private:
  void noteRefusal(bool written) { refused_ = refused_ || !written; }

  IniFile ini_;
  bool refused_ = false;
};

void WriteDefaultLinkSettings(LinkSettingsFile& file) {
  const LinkSettings defaults;
  file.writeInteger("COM_SETTINGS", "Number", defaults.portNumber);
  file.writeText("COM_SETTINGS", "Settings", defaults.settingsText);
  file.writeInteger("DEVICE", "EnableNetAdrr", 1);
  file.writeInteger("DEVICE", "NetAdrr", defaults.networkAddress);
  file.writeInteger("SETTINGS", "NOfReadings", defaults.readings);
  file.writeInteger("SETTINGS", "TimeOut", kDefaultTimeOutSeconds);
  file.writeInteger("LOG", "UseLogFile", defaults.logSwitch);
  file.writeText("LOG", "LogFileName", defaults.logFileName);
  file.writeInteger("IZM", "UseIzmFile", defaults.measurementLogSwitch);
  file.writeText("IZM", "IzmFileName", defaults.measurementLogFileName);
}

}  // namespace

std::uint32_t ReplyTimeoutMs(std::int32_t seconds) {
  return static_cast<std::uint32_t>(std::clamp(seconds, 0, kMaxReplyTimeoutSeconds)) * 1000;
}

std::uint32_t BaudRateFromSettingsText(const std::string& settingsText) {
  std::uint32_t baudRate = 4800;
  // Tested in this order; a later match wins.
  for (const std::uint32_t candidate : {9600u, 19200u, 38400u, 57600u}) {
    if (settingsText.find(std::to_string(candidate)) != std::string::npos) baudRate = candidate;
  }
  return baudRate;
}

LinkSettings ReadLinkSettings(const std::filesystem::path& workDir) {
  const IniFile ini(workDir / kLinkSettingsFileName);
  const LinkSettings defaults;
  LinkSettings settings;
  settings.readings = ini.readInteger("SETTINGS", "NOfReadings", defaults.readings);
  settings.portNumber = ini.readInteger("COM_SETTINGS", "Number", defaults.portNumber);
  settings.settingsText = ini.readText("COM_SETTINGS", "Settings", defaults.settingsText);
  settings.baudRate = BaudRateFromSettingsText(settings.settingsText);
  settings.networkAddress = static_cast<std::uint32_t>(
      ini.readInteger("DEVICE", "NetAdrr", static_cast<std::int32_t>(defaults.networkAddress)));
  // A negative number of seconds means no time-out of its own: the minimum wait applies.
  settings.timeOutSeconds = std::max(
      0, ini.readInteger("SETTINGS", "TimeOut", static_cast<std::int32_t>(kDefaultTimeOutSeconds)));
  settings.replyTimeoutMs = ReplyTimeoutMs(settings.timeOutSeconds);
  settings.logSwitch = ini.readInteger("LOG", "UseLogFile", defaults.logSwitch);
  settings.measurementLogSwitch =
      ini.readInteger("IZM", "UseIzmFile", defaults.measurementLogSwitch);
  settings.logFileName = ini.readText("LOG", "LogFileName", defaults.logFileName);
  settings.measurementLogFileName =
      ini.readText("IZM", "IzmFileName", defaults.measurementLogFileName);
  return settings;
}

LinkSettingsFindings LoadLinkSettings(LinkSettings& settings,
                                      const std::filesystem::path& workDir) {
  LinkSettingsFile file(workDir);
  if (!file.ini().exists()) WriteDefaultLinkSettings(file);
  settings = ReadLinkSettings(workDir);
  // Every key goes back at once, so that a hand-edited or partial file is completed. The number
  // of readings always goes back as 2: the value read counts for this run only.
  file.writeInteger("SETTINGS", "NOfReadings", LinkSettings().readings);
  file.writeInteger("COM_SETTINGS", "Number", settings.portNumber);
  file.writeText("COM_SETTINGS", "Settings", settings.settingsText);
  file.writeInteger("DEVICE", "NetAdrr", settings.networkAddress);
  file.writeInteger("SETTINGS", "TimeOut", settings.timeOutSeconds);
  file.writeInteger("LOG", "UseLogFile", settings.logSwitch);
  file.writeInteger("IZM", "UseIzmFile", settings.measurementLogSwitch);
  file.writeText("LOG", "LogFileName", settings.logFileName);
  file.writeText("IZM", "IzmFileName", settings.measurementLogFileName);

  LinkSettingsFindings findings = CheckLinkSettings(settings);
  if (file.refused()) findings.unwritable = file.ini().path();
  return findings;
}

// Only warnings: the values are used as they are.
LinkSettingsFindings CheckLinkSettings(const LinkSettings& settings) {
  LinkSettingsFindings findings;
  findings.portNumberTooLarge = static_cast<std::uint32_t>(settings.portNumber) > kMaxPortNumber;
  findings.longReplyTimeout = settings.replyTimeoutMs > kLongReplyTimeoutMs;
  return findings;
}

bool SavePortNumber(const LinkSettings& settings, const std::filesystem::path& workDir) {
  LinkSettingsFile file(workDir);
  file.writeInteger("COM_SETTINGS", "Number", settings.portNumber);
  return !file.refused();
}

bool SaveInstrumentAddress(const LinkSettings& settings, const std::filesystem::path& workDir) {
  LinkSettingsFile file(workDir);
  file.writeInteger("DEVICE", "NetAdrr", settings.networkAddress);
  file.writeText("COM_SETTINGS", "Settings", settings.settingsText);
  return !file.refused();
}

bool SaveLinkSettings(const LinkSettings& settings, const std::filesystem::path& workDir) {
  const IniFile file(workDir / kLinkSettingsFileName);
  std::optional<IniDocument> document = file.readDocument();
  if (!document) return false;
  document->writeInteger("COM_SETTINGS", "Number", settings.portNumber);
  document->writeText("COM_SETTINGS", "Settings", settings.settingsText);
  document->writeInteger(
      "DEVICE", "NetAdrr",
      static_cast<std::int32_t>(std::min(settings.networkAddress, kMaxNetworkAddress)));
  document->writeInteger("SETTINGS", "NOfReadings", settings.readings);
  document->writeInteger("SETTINGS", "TimeOut", settings.timeOutSeconds);
  return file.replaceWith(*document);
}

// The text is "baud,parity,data bits,stop bits"; only its first field is the rate.
std::string SettingsTextWithBaudRate(const std::string& settingsText, std::uint32_t baudRate) {
  const std::string& rest =
      settingsText.find(',') == std::string::npos ? LinkSettings().settingsText : settingsText;
  std::string text = std::to_string(baudRate);
  text += rest.substr(rest.find(','));
  return text;
}

LinkParameters TransactionParameters(LinkSettings& settings, const std::filesystem::path& workDir) {
  settings.readings = std::clamp(settings.readings, kMinReadings, kMaxReadings);
  LinkParameters parameters;
  parameters.networkAddress = settings.networkAddress;
  parameters.attemptCount = settings.readings;
  parameters.replyTimeoutMs = settings.replyTimeoutMs;
  if (settings.logSwitch == 1) parameters.exchangeLogPath = workDir / settings.logFileName;
  return parameters;
}

}  // namespace zorkan
