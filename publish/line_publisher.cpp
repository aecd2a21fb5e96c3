#include "publish/line_publisher.h"

#include <utility>

#include "link/link_at_instrument.h"
#include "link/link_error.h"
#include "operator/result_messages.h"
#include "publish/instrument_topics.h"

namespace zorkan {

namespace {

std::string AddressText(std::uint32_t address) {
  return "address " + std::to_string(address);
}

std::string ResultText(LinkError code) {
  const ResultMessage* message = FindResultMessage(code);
  return message != nullptr ? std::string(message->text) : "code " + std::to_string(code);
}

}  // namespace

LinePublisher::LinePublisher(DeviceLink& link, Broker& broker, std::string topicPrefix,
                             const std::vector<std::uint32_t>& addresses, Note note)
    : link_(link), broker_(broker), topicPrefix_(std::move(topicPrefix)), note_(std::move(note)) {
  for (const std::uint32_t address : addresses) {
    Instrument& instrument = instruments_.emplace_back();
    instrument.address = address;
  }
}

void LinePublisher::pollRound(const std::function<bool()>& stopRequested) {
  for (Instrument& instrument : instruments_) {
    if (stopRequested()) return;
    poll(instrument);
  }
}

void LinePublisher::close(std::chrono::milliseconds wait) {
  // One deadline for the whole line: a broker that does not answer costs the wait once, not once
  // per instrument.
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (Instrument& instrument : instruments_) {
    if (instrument.connection) send(instrument, OnlineMessage(instrument.topic, false));
  }
  for (Instrument& instrument : instruments_) {
    if (instrument.connection) instrument.connection->closeBy(deadline);
  }
  for (Instrument& instrument : instruments_) {
    if (!instrument.connection) continue;
    instrument.connection->awaitClosed();
    instrument.delivered = instrument.connection->deliveredCount();
    instrument.connection.reset();
  }
  for (const Instrument& instrument : instruments_) {
    if (instrument.delivered != 0) continue;
    note_(instrument.identity
              ? instrument.topic + " at " + AddressText(instrument.address) +
                    ": none of its messages reached the broker"
              : AddressText(instrument.address) + ": never answered, nothing was published for it");
  }
}

PublishCounts LinePublisher::counts() const {
  PublishCounts counts = counts_;
  for (const Instrument& instrument : instruments_) {
    const std::uint64_t delivered =
        instrument.connection ? instrument.connection->deliveredCount() : instrument.delivered;
    counts.delivered += delivered;
    if (delivered == 0) ++counts.unreached;
  }
  return counts;
}

void LinePublisher::poll(Instrument& instrument) {
  if (!instrument.connection && !identify(instrument)) return;
  LinkAtInstrument atAddress(link_);
  atAddress.moveToAddress(instrument.address);
  const LinkError result = ReadLiveValues(link_, instrument.values);
  const bool online = result == kOk;
  if (online) {
    // The values as the window and zorkan-cli live show them.
    ClampForDisplay(instrument.values);
    const LocalTime answered = link_.lastWait().start;
    for (const BrokerMessage& message :
         ValueMessages(instrument.topic, instrument.values, answered)) {
      send(instrument, message);
    }
    send(instrument, JsonMessage(instrument.topic, instrument.address, *instrument.identity,
                                 instrument.values, answered, instrument.dropped));
  }
  if (online != instrument.online) {
    note_(instrument.topic + " at " + AddressText(instrument.address) +
          (online ? ": online" : ": offline, " + ResultText(result)));
  }
  instrument.online = online;
  showOnline(instrument);
}

// An instrument is published only once its serial number names its topics; one that does not
// answer yet is asked again at the next poll.
bool LinePublisher::identify(Instrument& instrument) {
  InstrumentIdentity identity;
  const LinkError result = ReadInstrumentIdentity(link_, instrument.address, identity);
  if (result != kOk) {
    if (!std::exchange(instrument.silenceNoted, true)) {
      note_(AddressText(instrument.address) + ": serial number not read, " + ResultText(result) +
            "; asked again at every poll");
    }
    return false;
  }
  instrument.identity = identity;
  instrument.topic = InstrumentTopic(topicPrefix_, identity.serialNumber);
  // The topic root is the client id: a restarted publisher takes over its predecessor's
  // connection instead of leaving it to send its will later.
  instrument.connection =
      broker_.connect(instrument.topic, OnlineMessage(instrument.topic, false), Subscription{});
  note_(instrument.topic + " at " + AddressText(instrument.address));
  return true;
}

// The online state goes out when it changes, and again, with the identity, on every new
// connection, whose broker may have lost its retained messages (or sent the will meanwhile).
void LinePublisher::showOnline(Instrument& instrument) {
  const std::uint64_t connection = instrument.connection->connectionCount();
  const bool newConnection = connection != instrument.shownOnConnection;
  if (!newConnection && instrument.shownOnline == instrument.online) return;
  bool taken = true;
  if (newConnection) {
    for (const BrokerMessage& message :
         IdentityMessages(instrument.topic, instrument.address, *instrument.identity)) {
      taken = send(instrument, message) && taken;
    }
  }
  taken = send(instrument, OnlineMessage(instrument.topic, instrument.online)) && taken;
  if (!taken) return;
  instrument.shownOnline = instrument.online;
  instrument.shownOnConnection = connection;
}

bool LinePublisher::send(Instrument& instrument, const BrokerMessage& message) {
  if (instrument.connection->publish(message)) {
    ++counts_.published;
    return true;
  }
  ++counts_.dropped;
  ++instrument.dropped;
  return false;
}

}  // namespace zorkan
