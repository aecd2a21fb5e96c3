#pragma once
// Cuts the byte stream from the tool into request frames, remembering when their bytes arrived.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace zorkan::sim {

struct ReceivedFrame {
  std::string raw;   // every byte after the previous frame's CR up to and including this CR
  std::string text;  // between the last ':' and the CR
  std::chrono::steady_clock::time_point firstByte;
  std::chrono::steady_clock::time_point end;  // arrival of the CR
};

class FrameAssembler {
 public:
  void feed(std::string_view bytes, std::chrono::steady_clock::time_point at,
            std::vector<ReceivedFrame>& frames);

 private:
  std::string raw_;
  std::string::size_type textStart_ = std::string::npos;
  std::chrono::steady_clock::time_point firstByte_;
};

}  // namespace zorkan::sim
