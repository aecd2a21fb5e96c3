#include "workflows/instrument_identity.h"

#include "link/link_at_instrument.h"
#include "settings/parameter_map.h"
#include "settings/parameter_transfer.h"

namespace zorkan {

LinkError ReadInstrumentIdentity(DeviceLink& link, std::uint32_t address,
                                 InstrumentIdentity& identity) {
  LinkAtInstrument atAddress(link);
  atAddress.moveToAddress(address);
  std::int32_t low = 0;
  std::int32_t high = 0;
  InstrumentIdentity read;
  LinkError result = ReadParameter(link, SerialNumberLowParam(), low);
  if (result == kOk) result = ReadParameter(link, SerialNumberHighParam(), high);
  if (result == kOk) result = ReadParameter(link, DeviceTypeParam(), read.deviceType);
  if (result == kOk) result = ReadParameter(link, FirmwareVersionParam(), read.firmwareVersion);
  if (result != kOk) return result;
  read.serialNumber = (high << 8) | low;
  identity = read;
  return kOk;
}

}  // namespace zorkan
