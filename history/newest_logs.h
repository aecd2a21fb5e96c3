#pragma once
// Which logs the history window opens by itself: the newest record there is.

#include <filesystem>
#include <vector>

namespace zorkan {

// The newer of the measurement log `measurementLog` and the CSV log of the latest day in
// `folder`; with that CSV log the day before it too, so that a night shows whole. Empty when
// there is neither.
std::vector<std::filesystem::path> NewestLogs(const std::filesystem::path& folder,
                                              const std::filesystem::path& measurementLog);

}  // namespace zorkan
