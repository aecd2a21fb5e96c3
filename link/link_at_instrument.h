#pragma once
// The link moved to another instrument of the line, at its network address and its baud rate, for
// as long as the guard lives. On every way out of the scope (its end, an early return, a throw) the
// link is back at its own address and rate, so that whatever runs next talks to the instrument
// dev.dat names.

#include <cstdint>

#include "link/device_link.h"
#include "link/link_parameters.h"

namespace zorkan {

class LinkAtInstrument {
 public:
  // Remembers the link's own address and baud rate.
  explicit LinkAtInstrument(DeviceLink& link);
  // Gives them back as giveBack does; a port that will not open again at its own rate is left
  // for the link's next transaction to find.
  ~LinkAtInstrument();
  LinkAtInstrument(const LinkAtInstrument&) = delete;
  LinkAtInstrument& operator=(const LinkAtInstrument&) = delete;

  // The link's transactions go to `networkAddress`, with its own attempts and reply time-out.
  void moveToAddress(std::uint32_t networkAddress);
  // The port at `baudRate`: opened again there when it is at another rate. false when it would
  // not open at it.
  [[nodiscard]] bool moveToRate(std::uint32_t baudRate);
  // Both, for one instrument of a line.
  [[nodiscard]] bool moveTo(std::uint32_t networkAddress, std::uint32_t baudRate);

  // Back at the link's own address and, once a rate was asked for, at its own rate: the port is
  // opened again when it is at another rate or was left closed (by a rate it would not open at,
  // or a lost line). false when it would not open: a caller that tells the operator so gives
  // back before the guard ends. Nothing more happens until the link is moved again.
  [[nodiscard]] bool giveBack();

 private:
  DeviceLink& link_;
  const LinkParameters own_;
  const std::uint32_t ownBaudRate_;
  bool moved_ = false;
  bool rateMoved_ = false;
};

}  // namespace zorkan
