#include "sim/frame_assembler.h"

namespace zorkan::sim {

namespace {

// Far more than any request; a stream that long without a frame is noise and is dropped.
constexpr std::string::size_type kMaxPending = 4096;

}  // namespace

void FrameAssembler::feed(std::string_view bytes, std::chrono::steady_clock::time_point at,
                          std::vector<ReceivedFrame>& frames) {
  for (char byte : bytes) {
    if (raw_.empty()) firstByte_ = at;
    raw_ += byte;
    if (byte == ':') {
      textStart_ = raw_.size();  // a new start restarts the frame
    } else if (byte == '\r' && textStart_ != std::string::npos) {
      std::string text = raw_.substr(textStart_, raw_.size() - 1 - textStart_);
      frames.push_back({std::move(raw_), std::move(text), firstByte_, at});
      raw_.clear();
      textStart_ = std::string::npos;
    } else if (raw_.size() > kMaxPending) {
      raw_.clear();
      textStart_ = std::string::npos;
    }
    // A CR outside a frame is line noise and stays with the bytes of the next request.
  }
}

}  // namespace zorkan::sim
