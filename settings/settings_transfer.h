#pragma once
// Reading and writing the instrument's configuration group by group, and as a whole. Every
// operation reports its steps on the progress panel, stops at the first failure with its code and
// leaves what it exchanged so far: a field changes only by its own successful read.

#include "link/device_link.h"
#include "operator/progress.h"
#include "settings/device_settings.h"

namespace zorkan {

struct SettingsTransfer {
  DeviceLink& link;
  Progress& progress;
  DeviceSettings& settings;
};

// One channel (index 0 or 1); writes are verified by reading each value back.
LinkError readChannel(SettingsTransfer& transfer, int channel);
LinkError writeChannel(SettingsTransfer& transfer, int channel);

// Serial number, quality-control code, date, firmware version, device type, error display.
LinkError readManufactureDate(SettingsTransfer& transfer);
LinkError readDeviceNumber(SettingsTransfer& transfer);
LinkError readGeneral(SettingsTransfer& transfer);
LinkError writeGeneral(SettingsTransfer& transfer);
// The device kind code and the restart command that end every whole-device write.
LinkError finishWrite(SettingsTransfer& transfer);

// Relay masks and relay processing modes; nothing when the relay group is not selected.
LinkError readRelayLogic(SettingsTransfer& transfer);
LinkError writeRelayLogic(SettingsTransfer& transfer);

// Regulator interval and pulse bytes of both channels.
LinkError readRegulator(SettingsTransfer& transfer);
LinkError writeRegulator(SettingsTransfer& transfer);

LinkError readAllSettings(SettingsTransfer& transfer);
LinkError writeAllSettings(SettingsTransfer& transfer);

}  // namespace zorkan
