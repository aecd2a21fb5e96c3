// Whole-device reads and writes against the simulator, every request compared frame by frame with
// a list written from the instrument's parameter tables.
#include <gtest/gtest.h>

#include "link/frame.h"
#include "settings/channel_checks.h"
#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

using testing::SettingsRig;
using Frames = std::vector<std::string>;

std::string Read(int space, ValueKind kind, unsigned number) {
  return CompleteFrame(ReadRequestText(1, MakeParamAddress(kind, space, number)));
}
std::string ReadByte(unsigned number) {
  return Read(2, ValueKind::Byte, number);
}
std::string ReadFloat(unsigned number) {
  return Read(2, ValueKind::Float, number);
}
std::string WriteByte(int space, unsigned number, int value) {
  return CompleteFrame(ByteWriteRequestText(1, MakeParamAddress(ValueKind::Byte, space, number),
                                            static_cast<std::uint8_t>(value)));
}

// A verified write on the line: the write, then the read-back.
Frames VerifiedByte(unsigned number, int value) {
  return {WriteByte(2, number, value), ReadByte(number)};
}
Frames VerifiedFloat(unsigned number, float value) {
  return {
      CompleteFrame(FloatWriteRequestText(1, MakeParamAddress(ValueKind::Float, 2, number), value)),
      ReadFloat(number)};
}

void Append(Frames& frames, const Frames& more) {
  frames.insert(frames.end(), more.begin(), more.end());
}

Frames ChannelRead(unsigned i) {
  return {
      ReadByte(315 + i),     ReadFloat(15 + i),     ReadFloat(13 + i),     ReadByte(323 + i),
      ReadFloat(3 + i),      ReadFloat(1 + i),      ReadFloat(29 + 4 * i), ReadFloat(37 + 4 * i),
      ReadByte(327 + 4 * i), ReadFloat(30 + 4 * i), ReadFloat(38 + 4 * i), ReadByte(328 + 4 * i),
      ReadByte(317 + i),     ReadByte(319 + i),     ReadByte(341 + i),     ReadByte(321 + i),
      ReadFloat(31 + 4 * i), ReadFloat(32 + 4 * i), ReadFloat(5 + 4 * i),  ReadFloat(6 + 4 * i),
      ReadFloat(7 + 4 * i),  ReadFloat(8 + 4 * i)};
}

Frames RelayAndRegulatorRead() {
  return {ReadByte(325), ReadByte(326), ReadByte(6),   ReadByte(7),   ReadByte(8),
          ReadByte(9),   ReadByte(337), ReadByte(338), ReadByte(339), ReadByte(340)};
}

Frames GeneralRead() {
  return {ReadByte(11),
          ReadByte(12),
          ReadByte(14),
          ReadByte(17),
          ReadByte(18),
          ReadByte(19),
          Read(1, ValueKind::Byte, 6),
          ReadByte(3),
          ReadByte(4)};
}

Frames ChannelWrite(unsigned i, const ChannelSettings& c) {
  Frames frames;
  for (const Frames& step : {VerifiedByte(315 + i, c.sensorType),
                             VerifiedFloat(15 + i, c.rangeMax),
                             VerifiedFloat(13 + i, c.rangeMin),
                             VerifiedByte(323 + i, c.rootExtraction),
                             VerifiedFloat(3 + i, c.rangeAdjust),
                             VerifiedFloat(1 + i, c.offset),
                             VerifiedByte(327 + 4 * i, 0),
                             VerifiedFloat(29 + 4 * i, c.setpoint1),
                             VerifiedFloat(37 + 4 * i, c.hysteresis1),
                             VerifiedByte(327 + 4 * i, c.setpointType1),
                             VerifiedByte(328 + 4 * i, 0),
                             VerifiedFloat(30 + 4 * i, c.setpoint2),
                             VerifiedFloat(38 + 4 * i, c.hysteresis2),
                             VerifiedByte(328 + 4 * i, c.setpointType2),
                             VerifiedByte(317 + i, c.averaging),
                             VerifiedByte(319 + i, c.observations),
                             VerifiedByte(341 + i, c.channelEnable),
                             VerifiedByte(321 + i, c.decimals),
                             VerifiedFloat(31 + 4 * i, c.setpointStep),
                             VerifiedFloat(32 + 4 * i, c.hysteresisStep),
                             VerifiedFloat(5 + 4 * i, c.polynomial[0]),
                             VerifiedFloat(6 + 4 * i, c.polynomial[1]),
                             VerifiedFloat(7 + 4 * i, c.polynomial[2]),
                             VerifiedFloat(8 + 4 * i, c.polynomial[3])}) {
    Append(frames, step);
  }
  return frames;
}

Frames RelayAndRegulatorWrite(const DeviceSettings& s) {
  const auto& masks = s.relays.relayMask;
  const auto& c = s.channels;
  return {WriteByte(2, 325, c[0].relayProcessing),
          WriteByte(2, 326, c[1].relayProcessing),
          WriteByte(2, 6, masks[0][0]),
          WriteByte(2, 7, masks[0][1]),
          WriteByte(2, 8, masks[1][0]),
          WriteByte(2, 9, masks[1][1]),
          WriteByte(2, 337, c[0].regulationInterval),
          WriteByte(2, 338, c[1].regulationInterval),
          WriteByte(2, 339, c[0].pulseInterval),
          WriteByte(2, 340, c[1].pulseInterval)};
}

Frames GeneralWrite(const GeneralSettings& g) {
  return {WriteByte(2, 3, g.deviceType), WriteByte(2, 4, g.errorDisplay)};
}

Frames FinishWrite() {
  return {WriteByte(2, 0, 47), WriteByte(1, 0, 1)};
}

// A model unlike the simulator's own, every value distinct, so that a swapped field shows.
DeviceSettings DistinctSettings() {
  DeviceSettings s;
  for (int i = 0; i < 2; ++i) {
    ChannelSettings& c = s.channels[static_cast<std::size_t>(i)];
    const float base = 10.0f * static_cast<float>(i + 1);
    c.sensorType = 17 + i;
    c.rangeMax = base + 500.5f;
    c.rangeMin = base - 40.25f;
    c.rootExtraction = 1 - i;
    c.rangeAdjust = 1.0f + base / 1000.0f;
    c.offset = base / 100.0f;
    c.setpoint1 = base + 100.0f;
    c.hysteresis1 = base / 10.0f + 0.5f;
    c.setpointType1 = 2 - i;
    c.setpoint2 = base + 200.0f;
    c.hysteresis2 = base / 10.0f + 0.75f;
    c.setpointType2 = 1 + i;
    c.averaging = 3 + i;
    c.observations = 5 + i;
    c.channelEnable = 1;
    c.decimals = 2 + i;
    c.setpointStep = 0.5f + base;
    c.hysteresisStep = 0.25f + base;
    c.polynomial = {base + 1.0f, base + 2.0f, base + 3.0f, base + 4.0f};
    c.relayProcessing = 1;
    c.regulationInterval = 20 + i;
    c.pulseInterval = 7 + i;
  }
  s.relays.relayMask = {{{0x10, 0x04}, {0x00, 0x01}}};
  s.general.deviceType = 1;
  s.general.errorDisplay = 1;
  return s;
}

void ExpectSameTransferredChannel(const ChannelSettings& a, const ChannelSettings& b) {
  EXPECT_EQ(a.sensorType, b.sensorType);
  EXPECT_EQ(a.rangeMax, b.rangeMax);
  EXPECT_EQ(a.rangeMin, b.rangeMin);
  EXPECT_EQ(a.rootExtraction, b.rootExtraction);
  EXPECT_EQ(a.rangeAdjust, b.rangeAdjust);
  EXPECT_EQ(a.offset, b.offset);
  EXPECT_EQ(a.setpoint1, b.setpoint1);
  EXPECT_EQ(a.hysteresis1, b.hysteresis1);
  EXPECT_EQ(a.setpointType1, b.setpointType1);
  EXPECT_EQ(a.setpoint2, b.setpoint2);
  EXPECT_EQ(a.hysteresis2, b.hysteresis2);
  EXPECT_EQ(a.setpointType2, b.setpointType2);
  EXPECT_EQ(a.averaging, b.averaging);
  EXPECT_EQ(a.observations, b.observations);
  EXPECT_EQ(a.channelEnable, b.channelEnable);
  EXPECT_EQ(a.decimals, b.decimals);
  EXPECT_EQ(a.setpointStep, b.setpointStep);
  EXPECT_EQ(a.hysteresisStep, b.hysteresisStep);
  EXPECT_EQ(a.polynomial, b.polynomial);
  EXPECT_EQ(a.relayProcessing, b.relayProcessing);
  EXPECT_EQ(a.regulationInterval, b.regulationInterval);
  EXPECT_EQ(a.pulseInterval, b.pulseInterval);
}

void ExpectFrames(const Frames& actual, const Frames& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(actual[k], expected[k]) << "request " << k + 1;
  }
}

TEST(GoldenTraffic, WholeDeviceReadWithEveryGroup) {
  SettingsRig rig;
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  Frames expected = ChannelRead(0);
  Append(expected, ChannelRead(1));
  Append(expected, RelayAndRegulatorRead());
  Append(expected, GeneralRead());
  EXPECT_EQ(expected.size(), 63u);
  ExpectFrames(rig.simulator.receivedFrames(), expected);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(GoldenTraffic, WholeDeviceReadWithoutChannel2RelaysAndGeneral) {
  SettingsRig rig;
  rig.settings.channels[1].selected = 0;
  rig.settings.relays.relaySelected = 0;
  rig.settings.general.generalSelected = 0;
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  Frames expected = ChannelRead(0);
  Append(expected, {ReadByte(337), ReadByte(338), ReadByte(339), ReadByte(340)});
  ExpectFrames(rig.simulator.receivedFrames(), expected);
}

TEST(GoldenTraffic, WholeDeviceWriteWithEveryGroup) {
  SettingsRig rig;
  rig.settings = DistinctSettings();
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  Frames expected = ChannelWrite(0, rig.settings.channels[0]);
  Append(expected, ChannelWrite(1, rig.settings.channels[1]));
  Append(expected, RelayAndRegulatorWrite(rig.settings));
  Append(expected, GeneralWrite(rig.settings.general));
  Append(expected, FinishWrite());
  EXPECT_EQ(expected.size(), 110u);
  ExpectFrames(rig.simulator.receivedFrames(), expected);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(GoldenTraffic, WriteWithoutOptionalGroupsStillRestarts) {
  SettingsRig rig;
  rig.settings = DistinctSettings();
  rig.settings.channels[1].selected = 0;
  rig.settings.relays.relaySelected = 0;
  rig.settings.general.generalSelected = 0;
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  Frames expected = ChannelWrite(0, rig.settings.channels[0]);
  const Frames relayAndRegulator = RelayAndRegulatorWrite(rig.settings);
  Append(expected, Frames(relayAndRegulator.begin() + 6, relayAndRegulator.end()));
  Append(expected, FinishWrite());
  ExpectFrames(rig.simulator.receivedFrames(), expected);
}

TEST(GoldenTraffic, WriteThenReadGivesBackTheModel) {
  SettingsRig rig;
  const DeviceSettings written = DistinctSettings();
  rig.settings = written;
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  rig.settings = DeviceSettings();
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    ExpectSameTransferredChannel(rig.settings.channels[i], written.channels[i]);
  }
  EXPECT_EQ(rig.settings.relays.relayMask, written.relays.relayMask);
  EXPECT_EQ(rig.settings.general.deviceType, written.general.deviceType);
  EXPECT_EQ(rig.settings.general.errorDisplay, written.general.errorDisplay);
}

TEST(GoldenTraffic, AcceptedClampIsWhatGetsWritten) {
  SettingsRig rig;
  rig.settings.channels[0].setpoint1 = 12000.0f;
  rig.dialogs.answers = {DialogAnswer::Yes};
  ASSERT_EQ(checkChannels(rig.settings, rig.dialogs, true, true), kOk);
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 9999.0f);
  const Frames frames = rig.simulator.receivedFrames();
  EXPECT_EQ(frames[14], VerifiedFloat(29, 9999.0f)[0]);
}

TEST(GoldenTraffic, ReadFillsEveryFieldWithTheInstrumentsValues) {
  SettingsRig rig;
  sim::SimulatedInstrument& instrument = rig.simulator;
  instrument.setByteParameter(2, 11, 0x39);
  instrument.setByteParameter(2, 12, 0x30);
  instrument.setByteParameter(2, 14, 5);
  instrument.setByteParameter(2, 17, 7);
  instrument.setByteParameter(2, 18, 3);
  instrument.setByteParameter(2, 19, 26);
  instrument.setByteParameter(1, 6, 0x52);
  instrument.setByteParameter(2, 6, 0x95);
  instrument.setFloatParameter(2, 36, 0.125f);
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  const GeneralSettings& general = rig.settings.general;
  EXPECT_EQ(general.serialNumber, 12345);
  EXPECT_EQ(general.qcCode, 5);
  EXPECT_EQ(general.manufactureDay, 7);
  EXPECT_EQ(general.manufactureMonth, 3);
  EXPECT_EQ(general.manufactureYear, 2026);
  EXPECT_EQ(FirmwareVersionText(general.firmwareVersion), "1.1.2");
  EXPECT_EQ(rig.settings.relays.relayMask[0][0], 149);
  EXPECT_EQ(rig.settings.channels[1].hysteresisStep, 0.125f);
  EXPECT_EQ(general.deviceType, instrument.byteParameter(2, 3));
  EXPECT_EQ(rig.settings.channels[0].setpoint1, instrument.floatParameter(2, 29));
}

TEST(GoldenTraffic, StepTextsOfAWholeRead) {
  SettingsRig rig;
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  const std::vector<std::string> channelSteps{"Чтение типа датчика",
                                              "Чтение максимума диапазона",
                                              "Чтение минимума диапазона",
                                              "Чтение разрешения извлечения корня",
                                              "Подстройка диапазона",
                                              "Чтение смещения",
                                              "Чтение уставки 1",
                                              "Чтение гистерезиса 1",
                                              "Чтение типа уставки 1",
                                              "Чтение уставки 2",
                                              "Чтение гистерезиса уставки 2",
                                              "Чтение типа уставки 2",
                                              "Чтение усреднения",
                                              "Чтение числа наблюдений",
                                              "Чтение исключения канала",
                                              "Чтение числа знаков после запятой",
                                              "Чтение скорости изменения уставки",
                                              "Чтение скорости изменения гистерезиса",
                                              "Чтение корректирующего полинома"};
  std::vector<std::string> expected = channelSteps;
  expected.insert(expected.end(), channelSteps.begin(), channelSteps.end());
  expected.insert(expected.end(), {"Читаем номер прибора", "Версия ПО прибора", "Тип прибора",
                                   "Вид отображения ошибки"});
  EXPECT_EQ(rig.panel.steps, expected);
}

TEST(GoldenTraffic, StepTextsOfAWholeWrite) {
  SettingsRig rig;
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  const std::vector<std::string> channelSteps{"Запись типа датчика",
                                              "Запись максимума диапазона",
                                              "Запись минимума диапазона",
                                              "Запись разрешения извлечения корня",
                                              "Подстройка диапазона",
                                              "Запись смещения",
                                              "Подготовка к смене уставки 1",
                                              "Запись уставки 1",
                                              "Запись гистерезиса уставки 1",
                                              "Запись типа уставки 1",
                                              "Подготовка к изменению типа уставки 2",
                                              "Запись уставки 2",
                                              "Запись гистерезиса уставки 2",
                                              "Запись типа уставки 2",
                                              "Запись усреднения",
                                              "Запись числа наблюдений",
                                              "Запись разрешения работы канала",
                                              "Запись числа знаков после запятой",
                                              "Запись скорости изменения уставки",
                                              "Запись скорости изменения гистерезиса",
                                              "Запись корректирующего полинома"};
  std::vector<std::string> expected = channelSteps;
  expected.insert(expected.end(), channelSteps.begin(), channelSteps.end());
  expected.insert(expected.end(), {"Записываем тип прибора", "Записываем вид отображения ошибки",
                                   "Тип прибора", "Отдается команда на перезагрузку прибора"});
  EXPECT_EQ(rig.panel.steps, expected);
}

}  // namespace
}  // namespace zorkan
