#pragma once
// An MQTT broker of the test's own (Debian's mosquitto) on a free port of the loopback address,
// stopped and started again on the same port at will. It never listens on another address.

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/child_process.h"

namespace zorkan::testing {

class LocalBroker {
 public:
  // Writes the broker's configuration into `folder`, with `access` lines (who may connect), and
  // starts it. Throws std::runtime_error when it does not come up.
  explicit LocalBroker(const std::filesystem::path& folder,
                       const std::string& access = "allow_anonymous true\n");
  ~LocalBroker();
  LocalBroker(const LocalBroker&) = delete;
  LocalBroker& operator=(const LocalBroker&) = delete;

  int port() const { return port_; }
  // "127.0.0.1:PORT", for --broker.
  std::string address() const;
  // The broker goes away as a restarted one does: retained messages are not kept.
  void stop();
  void start();
  // The broker stops answering without going away, as a hung one does, until it is thawed.
  void freeze();
  void thaw();

 private:
  std::filesystem::path configuration_;
  int port_ = 0;
  std::unique_ptr<ChildProcess> process_;
};

// Resident memory of a process in KiB ("self" for this one), from /proc; 0 when unknown.
long ResidentKiB(const std::string& pid);

}  // namespace zorkan::testing
