#pragma once
// The publisher of a line of instruments: each poll reads one instrument's live block and hands
// its values to the broker. Each instrument has a broker connection of its own, made once its
// serial number is known, whose will says the instrument is offline: one will per connection is
// all a broker keeps, and every instrument must turn offline when the publisher dies. Nothing the
// broker sends ever reaches an instrument: the connections only publish.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/device_link.h"
#include "live/live_values.h"
#include "publish/broker.h"
#include "workflows/instrument_identity.h"

namespace zorkan {

struct PublishCounts {
  std::uint64_t published = 0;  // messages the broker connections took
  std::uint64_t dropped = 0;    // messages they refused: the broker was away or behind
  std::uint64_t delivered = 0;  // messages the broker acknowledged
  std::size_t unreached = 0;    // instruments none of whose messages the broker acknowledged
};

class LinePublisher {
 public:
  // Hears when an instrument is found, turns offline or online again.
  using Note = std::function<void(const std::string&)>;

  // Polls the instruments at `addresses`, in that order, on `link`, whose parameters other than
  // the network address are used as they are. Topics start with `topicPrefix`.
  LinePublisher(DeviceLink& link, Broker& broker, std::string topicPrefix,
                const std::vector<std::uint32_t>& addresses, Note note);
  LinePublisher(const LinePublisher&) = delete;
  LinePublisher& operator=(const LinePublisher&) = delete;

  // Polls every instrument once, reading first the identity of those not yet known; returns
  // between two instruments once `stopRequested` says so.
  void pollRound(const std::function<bool()>& stopRequested);
  // Publishes every known instrument offline and closes every connection at once, giving the
  // broker `wait` to acknowledge and the clean disconnects a moment more, however many
  // instruments there are. Then names each instrument none of whose messages reached the broker.
  // Nothing is published afterwards.
  void close(std::chrono::milliseconds wait);

  PublishCounts counts() const;

 private:
  struct Instrument {
    std::uint32_t address = 0;
    std::optional<InstrumentIdentity> identity;
    std::string topic;
    std::unique_ptr<BrokerConnection> connection;
    LiveValues values;
    bool online = false;
    bool silenceNoted = false;
    // What the broker was last given, and on which of the connection's connections.
    std::optional<bool> shownOnline;
    std::uint64_t shownOnConnection = 0;
    std::uint64_t dropped = 0;
    std::uint64_t delivered = 0;  // once the connection is closed
  };

  void poll(Instrument& instrument);
  bool identify(Instrument& instrument);
  void showOnline(Instrument& instrument);
  bool send(Instrument& instrument, const BrokerMessage& message);

  DeviceLink& link_;
  Broker& broker_;
  const std::string topicPrefix_;
  Note note_;
  std::vector<Instrument> instruments_;
  PublishCounts counts_;
};

}  // namespace zorkan
