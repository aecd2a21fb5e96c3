// What the pages do to the model: the command-line program relies on these rules to give an
// instrument what the window would give it.
#include "settings/page_rules.h"

#include <gtest/gtest.h>

namespace zorkan {
namespace {

TEST(RangeRules, FixedRangeSensorTakesItsBounds) {
  DeviceSettings settings;
  settings.channels[0].sensorType = kSensorThermocoupleK;
  settings.channels[0].rangeMax = 1.0f;
  settings.sensorBounds[kSensorThermocoupleK] = {1234.0f, -12.0f, 0.5f};
  ApplyRangeRules(settings);
  EXPECT_EQ(settings.channels[0].rangeMax, 1234.0f);
  EXPECT_EQ(settings.channels[0].rangeMin, -12.0f);
}

TEST(RangeRules, UnifiedSignalKeepsTypedRangeUnlessAutomaticRangesAreOn) {
  DeviceSettings settings;
  settings.channels[1].sensorType = kSensorCurrent4To20mA;
  settings.channels[1].rangeMin = -3.0f;
  settings.channels[1].rangeMax = 7.0f;
  ApplyRangeRules(settings);
  EXPECT_EQ(settings.channels[1].rangeMax, 7.0f);
  settings.useMax = 1;
  ApplyRangeRules(settings);
  EXPECT_EQ(settings.channels[1].rangeMin, 0.0f);
  EXPECT_EQ(settings.channels[1].rangeMax, 20.0f);
}

TEST(RangeRules, ResistanceAndThermocoupleNHaveFixedRanges) {
  DeviceSettings settings;
  settings.channels[0].sensorType = kSensorResistance;
  settings.channels[1].sensorType = kSensorThermocoupleN;
  settings.useMax = 1;
  ApplyRangeRules(settings);
  EXPECT_EQ(settings.channels[0].rangeMax, 300.0f);
  EXPECT_EQ(settings.channels[1].rangeMax, 1300.0f);
}

TEST(TakeBack, OnlyTheGridBitsSurvive) {
  DeviceSettings settings;
  settings.relays.relayMask = {{{0x95, 0xFF}, {0x18, 0x02}}};
  TakeBackFromPages(settings);
  EXPECT_EQ(settings.relays.relayMask[0][0], 0x10);
  EXPECT_EQ(settings.relays.relayMask[0][1], 0x05);
  EXPECT_EQ(settings.relays.relayMask[1][0], 0x10);
  EXPECT_EQ(settings.relays.relayMask[1][1], 0x00);
}

TEST(TakeBack, RelayProcessingAndAutomaticRangesAreForced) {
  DeviceSettings settings;
  settings.channels[0].relayProcessing = 2;
  settings.channels[1].relayProcessing = 0;
  settings.useMax = 1;
  TakeBackFromPages(settings);
  EXPECT_EQ(settings.channels[0].relayProcessing, 1);
  EXPECT_EQ(settings.channels[1].relayProcessing, 1);
  EXPECT_EQ(settings.useMax, 0);
}

TEST(TakeBack, ValueWithoutListItemComesBackAsMinusOneOrZero) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[0];
  channel.sensorType = 30;
  channel.decimals = 4;
  channel.averaging = 11;
  channel.observations = 0;
  channel.regulationInterval = 256;
  channel.pulseInterval = 255;
  settings.channels[1].regulationInterval = 300;  // no control holds it
  settings.general.deviceType = 7;
  settings.general.errorDisplay = 1;
  TakeBackFromPages(settings);
  EXPECT_EQ(channel.sensorType, -1);
  EXPECT_EQ(channel.decimals, -1);
  EXPECT_EQ(channel.averaging, 0);
  EXPECT_EQ(channel.observations, 0);
  EXPECT_EQ(channel.regulationInterval, 0);
  EXPECT_EQ(channel.pulseInterval, 255);
  EXPECT_EQ(settings.channels[1].regulationInterval, 300);
  EXPECT_EQ(settings.general.deviceType, -1);
  EXPECT_EQ(settings.general.errorDisplay, 1);
}

TEST(TakeBack, SetpointTypesOutsideTheListComeBackOff) {
  DeviceSettings settings;
  settings.channels[0].setpointType1 = 3;
  settings.channels[0].setpointType2 = 2;
  settings.channels[1].setpointType1 = -1;
  settings.channels[1].setpointType2 = 1;
  TakeBackFromPages(settings);
  EXPECT_EQ(settings.channels[0].setpointType1, 0);
  EXPECT_EQ(settings.channels[0].setpointType2, 2);
  EXPECT_EQ(settings.channels[1].setpointType1, 0);
  EXPECT_EQ(settings.channels[1].setpointType2, 1);
}

TEST(TakeBack, NumbersComeBackAsTheirFourDecimalTextReads) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[1];
  channel.polynomial[0] = 0.00001f;
  channel.setpoint1 = 1.23456f;
  channel.setpointStep = -0.1f;
  channel.rootExtraction = 5;
  TakeBackFromPages(settings);
  EXPECT_EQ(channel.polynomial[0], 0.0f);
  EXPECT_EQ(channel.setpoint1, 1.2346f);
  EXPECT_EQ(channel.setpointStep, 0.1f);
  EXPECT_EQ(channel.rootExtraction, 1);
}

TEST(TakeBack, SerialNumberAndQualityCodeKeepWhatTheirControlsShow) {
  DeviceSettings settings;
  settings.general.serialNumber = 70000;
  settings.general.qcCode = 300;
  settings.general.generalSelected = 2;
  TakeBackFromPages(settings);
  EXPECT_EQ(settings.general.serialNumber, 4464);
  EXPECT_EQ(settings.general.qcCode, 44);
  EXPECT_EQ(settings.general.generalSelected, 0);
}

TEST(ShownTexts, FieldsShowFourDecimalsRightAligned) {
  DeviceSettings settings;
  settings.channels[0].rangeMin = 0.2f;
  settings.channels[0].rangeMax = 100.0f;
  settings.general.serialNumber = 1234;
  const FieldTexts texts = ShownFieldTexts(settings);
  EXPECT_EQ(texts.rangeMin, "  0.2000");
  EXPECT_EQ(texts.rangeMax, "100.0000");
  EXPECT_EQ(texts.serialNumber, "1234");
}

}  // namespace
}  // namespace zorkan
