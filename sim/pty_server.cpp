#include "sim/pty_server.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "sim/line_speed.h"
#include "sim/line_timing.h"

namespace zorkan::sim {

namespace {

// How often the plant runs on while the line is quiet.
constexpr std::chrono::milliseconds kIdleTick{200};

int MakeStopEvent() {
  const int event = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (event < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  return event;
}

timespec Remaining(std::chrono::nanoseconds left) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
  return timespec{static_cast<time_t>(seconds.count()),
                  static_cast<long>((left - seconds).count())};
}

}  // namespace

PtyServer::PtyServer(const Pty& pty, InstrumentLine& instruments, FrameLog& log, LinePacing pacing)
    : pty_(pty),
      instruments_(instruments),
      log_(log),
      pacing_(pacing),
      stopEvent_(MakeStopEvent()),
      thread_([this] { serve(); }) {}

PtyServer::~PtyServer() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const auto written = ::write(stopEvent_, &one, sizeof one);
  thread_.join();
  close(stopEvent_);
}

void PtyServer::serve() {
  for (;;) {
    if (!pending_.empty()) {
      const ReceivedFrame frame = std::move(pending_.front());
      pending_.pop_front();
      if (!answer(frame)) return;
      continue;
    }
    instruments_.idle();
    if (wait(std::chrono::steady_clock::now() + kIdleTick, true) == WaitEnd::Stop) return;
  }
}

bool PtyServer::answer(const ReceivedFrame& frame) {
  // The tool hands the whole request to the pty at once; on the line it takes its time.
  const TimePoint received =
      std::max(frame.end, frame.firstByte + LineTime(frame.raw.size(), pacing_.baudRate));
  const std::optional<Reply> reply = instruments_.handle(frame.text);
  if (!reply) return true;

  // One answer at a time, as on the real line: requests that came meanwhile wait their turn, and
  // an answer never starts before the previous one is out.
  const TimePoint start =
      std::max(received + pacing_.turnaround + reply->delay, std::chrono::steady_clock::now());
  const std::string& bytes = reply->bytes;
  log_.addAnswer(bytes.size());
  if (pacing_.baudRate == 0) {
    if (wait(start, false) == WaitEnd::Stop) return false;
    write(bytes.data(), bytes.size());
    return true;
  }
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    if (wait(start + LineTime(k + 1, pacing_.baudRate), false) == WaitEnd::Stop) return false;
    write(&bytes[k], 1);
  }
  return true;
}

PtyServer::WaitEnd PtyServer::wait(TimePoint deadline, bool untilFrame) {
  for (;;) {
    if (untilFrame && !pending_.empty()) return WaitEnd::Frame;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return WaitEnd::Deadline;
    pollfd fds[2] = {{pty_.master(), POLLIN, 0}, {stopEvent_, POLLIN, 0}};
    const timespec timeout = Remaining(deadline - now);
    if (ppoll(fds, 2, &timeout, nullptr) < 0 && errno != EINTR) return WaitEnd::Stop;
    if (fds[1].revents != 0) return WaitEnd::Stop;
    if (fds[0].revents & POLLIN) readInput();
  }
}

void PtyServer::readInput() {
  char buffer[512];
  const ssize_t count = read(pty_.master(), buffer, sizeof buffer);
  if (count <= 0) return;
  const std::string heard = AsHeard(std::string_view(buffer, static_cast<std::size_t>(count)),
                                    pacing_.baudRate, pty_.toolBaudRate());
  std::vector<ReceivedFrame> frames;
  assembler_.feed(heard, std::chrono::steady_clock::now(), frames);
  for (ReceivedFrame& frame : frames) {
    log_.add(frame.raw);
    pending_.push_back(std::move(frame));
  }
}

void PtyServer::write(const char* bytes, std::size_t count) {
  bool discarded = false;
  while (count > 0) {
    const ssize_t written = ::write(pty_.master(), bytes, count);
    if (written > 0) {
      bytes += written;
      count -= static_cast<std::size_t>(written);
    } else if (written < 0 && errno == EAGAIN && !discarded) {
      // A tool that stopped reading leaves the queue full; a real line would lose those bytes.
      pty_.discardUnread();
      discarded = true;
    } else {
      return;
    }
  }
}

}  // namespace zorkan::sim
