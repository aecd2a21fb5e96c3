#include "operator/operator_text.h"
#include "settings/parameter_map.h"
#include "settings/settings_transfer.h"
#include "settings/transfer_steps.h"

namespace zorkan {

namespace {

// Both channels' regulator intervals, then both pulse settings.
std::vector<ByteBinding> RegulatorBytes(DeviceSettings& settings) {
  auto& channels = settings.channels;
  return {{RegulationIntervalParam(0), &channels[0].regulationInterval},
          {RegulationIntervalParam(1), &channels[1].regulationInterval},
          {PulseIntervalParam(0), &channels[0].pulseInterval},
          {PulseIntervalParam(1), &channels[1].pulseInterval}};
}

}  // namespace

// Unlike the relay group, the regulator group has no switch: it is always exchanged.
LinkError readRegulator(SettingsTransfer& transfer) {
  return ReadByteGroup(transfer.link, transfer.progress,
                       OPERATOR_TEXT("Чтение параметров регулятора"),
                       RegulatorBytes(transfer.settings));
}

LinkError writeRegulator(SettingsTransfer& transfer) {
  return WriteByteGroup(transfer.link, transfer.progress,
                        OPERATOR_TEXT("Запись параметров регулятора"),
                        RegulatorBytes(transfer.settings));
}

}  // namespace zorkan
