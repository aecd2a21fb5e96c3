#include "live/live_values.h"

#include <algorithm>
#include <cmath>

#include "link/frame.h"

namespace zorkan {

namespace {

constexpr unsigned kLiveBlock = 2;
constexpr float kDisplayMax = 10000.0f;
constexpr float kDisplayMin = -1000.0f;

// Bytes of one channel: value (most significant byte first), status, flags.
ChannelLiveValues DecodeChannel(const DataBlock& block, std::size_t first) {
  ChannelLiveValues channel{FloatFromWire(std::span(block).subspan(first).first<4>()),
                            block[first + 4], block[first + 5]};
  if (std::isnan(channel.value)) {
    channel.value = kNotANumberValue;
    channel.status = kStatusFloatingPointError;
  }
  return channel;
}

}  // namespace

LiveValues DecodeLiveBlock(const DataBlock& block) {
  return LiveValues{block[2], block[3], {DecodeChannel(block, 4), DecodeChannel(block, 10)}};
}

LinkError ReadLiveValues(DeviceLink& link, LiveValues& values) {
  DataBlock block{};
  const LinkError result = link.ReadDataBlock(kLiveBlock, block);
  if (result == kOk) values = DecodeLiveBlock(block);
  return result;
}

void ClampForDisplay(LiveValues& values) {
  for (ChannelLiveValues& channel : values.channels) {
    channel.value = std::clamp(channel.value, kDisplayMin, kDisplayMax);
  }
}

}  // namespace zorkan
