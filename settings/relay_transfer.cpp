#include "operator/operator_text.h"
#include "settings/parameter_map.h"
#include "settings/settings_transfer.h"
#include "settings/transfer_steps.h"

namespace zorkan {

namespace {

// Processing modes first, then relay 1's and relay 2's mask bytes, channel 1's before channel 2's.
std::vector<ByteBinding> RelayLogicBytes(DeviceSettings& settings) {
  auto& masks = settings.relays.relayMask;
  return {{RelayProcessingParam(0), &settings.channels[0].relayProcessing},
          {RelayProcessingParam(1), &settings.channels[1].relayProcessing},
          {RelayMaskParam(0, 0), &masks[0][0]},
          {RelayMaskParam(0, 1), &masks[0][1]},
          {RelayMaskParam(1, 0), &masks[1][0]},
          {RelayMaskParam(1, 1), &masks[1][1]}};
}

}  // namespace

LinkError readRelayLogic(SettingsTransfer& transfer) {
  if (transfer.settings.relays.relaySelected != 1) return kOk;
  return ReadByteGroup(transfer.link, transfer.progress, OPERATOR_TEXT("Чтение логики реле"),
                       RelayLogicBytes(transfer.settings));
}

LinkError writeRelayLogic(SettingsTransfer& transfer) {
  if (transfer.settings.relays.relaySelected != 1) return kOk;
  return WriteByteGroup(transfer.link, transfer.progress, OPERATOR_TEXT("Запись логики реле"),
                        RelayLogicBytes(transfer.settings));
}

}  // namespace zorkan
