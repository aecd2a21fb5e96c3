#pragma once
// The publisher's benchmarks: a broker of their own on a loopback port, and the publisher's
// libmosquitto connections to it.

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "publish/mosquitto_broker.h"
#include "tests/support/local_broker.h"

namespace zorkan::bench {

// A folder of the benchmark's own, removed with everything in it at the end.
class ScratchPath {
 public:
  ScratchPath() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorkan-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchPath() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchPath(const ScratchPath&) = delete;
  ScratchPath& operator=(const ScratchPath&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct BrokerRig {
  static void Note(const std::string& text) { std::fprintf(stderr, "  %s\n", text.c_str()); }

  ScratchPath folder;
  testing::LocalBroker localBroker{folder.path()};
  MosquittoBroker broker{
      BrokerSettings{"127.0.0.1", static_cast<std::uint16_t>(localBroker.port()), {}, {}}, Note};
};

}  // namespace zorkan::bench
