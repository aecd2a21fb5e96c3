#pragma once
// The broker seam: what the publisher needs of an MQTT broker. The program connects through
// libmosquitto (MosquittoBroker); tests put a fake in its place.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorkan {

struct BrokerMessage {
  std::string topic;
  std::string payload;
  bool retain = false;
  bool operator==(const BrokerMessage&) const = default;
};

// What a connection takes from the broker: the messages of `topics` (filters, + and # included),
// subscribed again on every connection made. None: the connection only publishes.
struct Subscription {
  std::vector<std::string> topics;
  // Called on the connection's network thread, with the retain flag set for a message the broker
  // kept from before the subscription.
  std::function<void(const BrokerMessage&)> onMessage;
  // The retain flag set also for a message its sender published retained, however it comes:
  // what tells a command that a broker would replay at every restart. It takes MQTT 5 (retain as
  // published), and such a message kept from before is not sent at all.
  bool markRetained = false;
};

// One connection to the broker, kept up by a network thread of its own: no call here waits for
// the network.
class BrokerConnection {
 public:
  virtual ~BrokerConnection() = default;
  // false when the message is not taken: there is no connection, or too many messages are still on
  // their way. Nothing is kept for later: the caller counts it as dropped.
  virtual bool publish(const BrokerMessage& message) = 0;
  // How many times the connection has been made so far. A new connection may be to a broker that
  // has lost its retained messages, so what must always be there is published again.
  virtual std::uint64_t connectionCount() const = 0;
  // How many of the messages taken the broker has acknowledged so far: what was delivered.
  virtual std::uint64_t deliveredCount() const = 0;
  // Starts the end of the connection: what was taken has until `deadline` to reach the broker,
  // then the connection is closed cleanly, so that the broker does not send the will. Returns at
  // once, so that every connection of a line closes at the same time.
  virtual void closeBy(std::chrono::steady_clock::time_point deadline) = 0;
  // Waits for the end that closeBy started: at its deadline, or a moment after it for the clean
  // disconnect at the latest.
  virtual void awaitClosed() = 0;
};

class Broker {
 public:
  virtual ~Broker() = default;
  // Starts connecting as `clientId`; the broker sends `will` when the connection dies without a
  // clean disconnect (the publisher was killed, or its machine or network went away).
  virtual std::unique_ptr<BrokerConnection> connect(const std::string& clientId,
                                                    const BrokerMessage& will,
                                                    Subscription subscription) = 0;
};

}  // namespace zorkan
