#pragma once
// The publisher's benchmarks: a broker of their own on a loopback port, and the publisher's
// libmosquitto connections to it.

#include <cstdio>
#include <filesystem>
#include <string>

#include "publish/mosquitto_broker.h"
#include "tests/support/local_broker.h"
#include "tests/support/scratch_folder.h"

namespace zorkan::bench {

struct BrokerRig {
  static void Note(const std::string& text) { std::fprintf(stderr, "  %s\n", text.c_str()); }

  testing::ScratchFolder folder;
  testing::LocalBroker localBroker{folder.path()};
  MosquittoBroker broker{
      BrokerSettings{"127.0.0.1", static_cast<std::uint16_t>(localBroker.port()), {}, {}}, Note};
};

}  // namespace zorkan::bench
