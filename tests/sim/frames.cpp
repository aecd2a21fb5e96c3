#include "frames.h"

namespace zorkan::sim::testing {

std::string ReadFrame(ValueKind kind, int space, unsigned number, unsigned networkAddress) {
  return CompleteFrame(ReadRequestText(networkAddress, MakeParamAddress(kind, space, number)));
}

std::string ByteWriteFrame(int space, unsigned number, std::uint8_t value) {
  return CompleteFrame(
      ByteWriteRequestText(1, MakeParamAddress(ValueKind::Byte, space, number), value));
}

std::string FloatWriteFrame(int space, unsigned number, float value) {
  return CompleteFrame(
      FloatWriteRequestText(1, MakeParamAddress(ValueKind::Float, space, number), value));
}

std::string ExpectedData(std::string_view covered) {
  return "!" + std::string(covered) + std::to_string(frameChecksum(covered)) + "\r";
}

std::string ExpectedStatus(std::string_view digits) {
  const std::string covered = std::string(digits) + ";";
  return "$" + covered + std::to_string(frameChecksum(covered)) + "\r";
}

}  // namespace zorkan::sim::testing
