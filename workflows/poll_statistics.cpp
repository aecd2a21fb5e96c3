#include "workflows/poll_statistics.h"

#include <algorithm>

namespace zorkan {

double PollStatistics::meanPollMs() const {
  return polls == 0 ? 0.0 : static_cast<double>(totalPollMs) / static_cast<double>(polls);
}

LinkError CountPoll(DeviceLink& link, PollStatistics& statistics,
                    const std::function<LinkError()>& poll) {
  const AttemptCounts before = link.attemptCounts();
  const std::int64_t startMs = link.clock().monotonicMs();
  const LinkError result = poll();
  const std::int64_t tookMs = link.clock().monotonicMs() - startMs;
  const AttemptCounts& after = link.attemptCounts();
  ++statistics.polls;
  if (result == kOk) ++statistics.answers;
  statistics.timeouts += after.unanswered - before.unanswered;
  statistics.garbled += after.garbled - before.garbled;
  statistics.retries +=
      (after.attempts - before.attempts) - (after.transactions - before.transactions);
  statistics.totalPollMs += tookMs;
  statistics.worstPollMs = std::max(statistics.worstPollMs, tookMs);
  return result;
}

}  // namespace zorkan
