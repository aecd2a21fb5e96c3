#include "link/link_at_instrument.h"

#include <utility>

namespace zorkan {

LinkAtInstrument::LinkAtInstrument(DeviceLink& link)
    : link_(link), own_(link.parameters()), ownBaudRate_(link.baudRate()) {}

LinkAtInstrument::~LinkAtInstrument() {
  (void)giveBack();
}

void LinkAtInstrument::moveToAddress(std::uint32_t networkAddress) {
  LinkParameters parameters = own_;
  parameters.networkAddress = networkAddress;
  link_.setParameters(std::move(parameters));
  moved_ = true;
}

bool LinkAtInstrument::moveToRate(std::uint32_t baudRate) {
  moved_ = true;
  rateMoved_ = true;
  return baudRate == link_.baudRate() || link_.reopenAt(baudRate);
}

bool LinkAtInstrument::moveTo(std::uint32_t networkAddress, std::uint32_t baudRate) {
  moveToAddress(networkAddress);
  return moveToRate(baudRate);
}

bool LinkAtInstrument::giveBack() {
  if (!std::exchange(moved_, false)) return true;
  link_.setParameters(own_);
  if (!std::exchange(rateMoved_, false)) return true;
  return (link_.baudRate() == ownBaudRate_ && link_.isOpen()) || link_.reopenAt(ownBaudRate_);
}

}  // namespace zorkan
