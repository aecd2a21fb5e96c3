#include "profiles/profile.h"

namespace zorkan {

std::filesystem::path BuiltinProfilePath(const std::filesystem::path& workDir) {
  return workDir / "ZORKAN740_PID.prf";
}

std::filesystem::path RecentProfilePath(const std::filesystem::path& workDir) {
  return workDir / "recent.prf";
}

}  // namespace zorkan
