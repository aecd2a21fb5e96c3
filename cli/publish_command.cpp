// publish: the live values of a line of instruments to an MQTT broker, until Ctrl+C or SIGTERM,
// and the commands allowed from it.
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "cli/commands.h"
#include "cli/profile_files.h"
#include "publish/broker_settings.h"
#include "publish/line_publisher.h"
#include "publish/mosquitto_broker.h"
#include "publish/topic_prefix.h"

namespace zorkan::cli {

namespace {

// How long the last "offline" messages may take to reach the broker at the end, for the whole line:
// with the clean disconnects after it, a stop stays well within what a service manager waits.
constexpr std::chrono::milliseconds kCloseWait{2000};

void Note(const std::string& text) {
  std::fprintf(stderr, "zorkan-cli publish: %s\n", text.c_str());
}

// nullopt once the reason a file given cannot be used is printed.
std::optional<BrokerSettings> SettingsOf(const PublishCommand& command) {
  BrokerSettings settings;
  settings.host = command.brokerHost;
  if (command.loginFile) {
    std::string error;
    const std::optional<BrokerLogin> login = ReadBrokerLogin(*command.loginFile, error);
    if (!login) {
      Refused(*command.loginFile, error);
      return std::nullopt;
    }
    settings.login = *login;
    if (const std::string warning = ExposedLoginWarning(*command.loginFile); !warning.empty()) {
      Note(*command.loginFile + ": " + warning);
    }
  }
  if (command.caFile) {
    if (const std::string reason = CaFileProblem(*command.caFile); !reason.empty()) {
      Refused(*command.caFile, reason);
      return std::nullopt;
    }
    settings.caFile = *command.caFile;
  }
  settings.port = command.brokerPort.value_or(command.caFile ? kMqttTlsPort : kMqttPort);
  return settings;
}

PublishOptions OptionsOf(const PublishCommand& command, const Session& session,
                         ExchangeContext& journalled) {
  PublishOptions options;
  for (const std::string& name : command.allowedSettings) {
    options.commands.allowed.push_back(FindSettableSetting(name));
  }
  options.commands.interval = std::chrono::seconds(command.setIntervalS);
  options.commands.writesPerDay = command.setBudget;
  options.commands.workDir = session.workDir();
  options.commands.journal = &journalled;
  options.discoveryPrefix = command.discoveryPrefix;
  options.tool = {"zorkan-cli", ZORKAN_VERSION};
  options.statsInterval = std::chrono::seconds(command.statsS);
  return options;
}

}  // namespace

int RunPublish(const PublishCommand& command, Session& session) {
  // The parser refused a prefix that no broker takes; one that is legal but odd is told here.
  const TopicPrefixCheck prefix = CheckTopicPrefix(command.topicPrefix);
  if (!prefix.warning.empty()) Note("--topic " + prefix.warning);
  const std::optional<BrokerSettings> settings = SettingsOf(command);
  if (!settings) return kExitProfileUnusable;
  if (const auto refused = session.open()) return *refused;
  const std::vector<std::uint32_t> addresses =
      command.addresses.empty()
          ? std::vector<std::uint32_t>{session.link().parameters().networkAddress}
          : command.addresses;
  ExchangeContext journalled = session.exchange();
  MosquittoBroker broker(*settings, Note);
  LinePublisher publisher(session.link(), broker, command.topicPrefix, addresses, Note,
                          OptionsOf(command, session, journalled));
  bool stopping = false;
  const std::function<bool()> stop = [&stopping] {
    return stopping = stopping || InterruptRequested();
  };
  publisher.run(std::chrono::milliseconds(command.intervalMs), command.count, stop);
  publisher.close(kCloseWait);
  const PublishCounts counts = publisher.counts();
  Note("published " + std::to_string(counts.published) + " messages (" +
       std::to_string(counts.delivered) + " acknowledged by the broker), dropped " +
       std::to_string(counts.dropped));
  // A run of a count of rounds is a check, whose status says whether everything got through; a
  // service that is stopped has done its work.
  if (!command.count) return 0;
  if (counts.delivered == 0) return kExitNothingDelivered;
  if (counts.unreached != 0) return kExitPartlyDelivered;
  return 0;
}

}  // namespace zorkan::cli
