#pragma once
// The broker through libmosquitto: with mosquitto_failure.cpp, which puts its failures into words,
// the only files that know the library. Each connection has a network thread of its own that keeps
// it up, so that publishing never waits for the network.

#include <functional>
#include <memory>
#include <string>

#include "publish/broker.h"
#include "publish/broker_settings.h"

namespace zorkan {

// Holds the library from construction to destruction: it outlives its connections.
class MosquittoBroker final : public Broker {
 public:
  // `note` hears of connections made and lost, from the network threads.
  using Note = std::function<void(const std::string&)>;

  MosquittoBroker(BrokerSettings settings, Note note);
  ~MosquittoBroker() override;
  MosquittoBroker(const MosquittoBroker&) = delete;
  MosquittoBroker& operator=(const MosquittoBroker&) = delete;

  std::unique_ptr<BrokerConnection> connect(const std::string& clientId, const BrokerMessage& will,
                                            Subscription subscription) override;

 private:
  BrokerSettings settings_;
  Note note_;
};

}  // namespace zorkan
