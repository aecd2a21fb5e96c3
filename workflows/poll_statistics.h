#pragma once
// How the polls of one instrument's live values went: what a dashboard watches to see a line go
// bad before the values stop (retries and time-outs climb first), and what zorkan-cli live tells
// at its end.

#include <cstdint>
#include <functional>

#include "link/device_link.h"

namespace zorkan {

struct PollStatistics {
  std::uint64_t polls = 0;
  std::uint64_t answers = 0;   // polls that got the live values
  std::uint64_t timeouts = 0;  // attempts whose answer never came
  std::uint64_t garbled = 0;   // attempts whose answer came damaged or of the wrong shape
  std::uint64_t retries = 0;   // attempts after the first of a poll
  std::int64_t totalPollMs = 0;
  std::int64_t worstPollMs = 0;

  double meanPollMs() const;
  bool operator==(const PollStatistics&) const = default;
};

// Runs `poll`, one read of the live values over `link`, and counts it into `statistics` by what
// the link met meanwhile and how long it took on the link's clock.
LinkError CountPoll(DeviceLink& link, PollStatistics& statistics,
                    const std::function<LinkError()>& poll);

}  // namespace zorkan
