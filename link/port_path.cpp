#include "link/port_path.h"

#include <string>
#include <system_error>

namespace zorkan {

namespace {

bool PresentAt(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace

std::filesystem::path PortPath(int portNumber, const std::filesystem::path& workDir) {
  const std::string index = std::to_string(portNumber - 1);
  const std::filesystem::path link = workDir / ("COM" + std::to_string(portNumber));
  for (const std::filesystem::path& candidate : {link, std::filesystem::path("/dev/ttyUSB" + index),
                                                 std::filesystem::path("/dev/ttyS" + index)}) {
    if (PresentAt(candidate)) return candidate;
  }
  return link;
}

}  // namespace zorkan
