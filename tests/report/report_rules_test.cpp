// The report's conditional lines and its heading, and what it prints for codes that have no text.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "report/report_text.h"

namespace zorkan {
namespace {

const LocalTime kDate{.year = 2024, .month = 3, .day = 7};
const std::string kRootLine = "Включено корнеизвлечение";

// The lines between a relay's heading and the empty line that closes its pass.
std::vector<std::string> RelayPass(const std::vector<std::string>& body, int relay) {
  const std::string heading = "Логика работы реле " + std::to_string(relay) + ":";
  auto start = std::find(body.begin(), body.end(), heading);
  EXPECT_NE(start, body.end()) << "no pass for relay " << relay;
  if (start == body.end()) return {};
  ++start;
  return {start, std::find(start, body.end(), std::string())};
}

std::vector<std::string> ReportBodyOf(const DeviceSettings& settings) {
  return BuildReportText(settings, kDate).body;
}

TEST(ReportRelayLogic, BuiltInPidProfileNamesHeatingAndTheAlarmSetpoint) {
  DeviceSettings settings;
  settings.general.deviceType = 3;
  settings.relays.relayMask = {{{16, 0}, {0, 1}}};
  const std::vector<std::string> body = ReportBodyOf(settings);
  EXPECT_EQ(RelayPass(body, 1), std::vector<std::string>{"Реле 1 включает нагрев"});
  EXPECT_EQ(RelayPass(body, 2), std::vector<std::string>{"Реле 2 сработает от уставки канала"});
}

TEST(ReportRelayLogic, DirectionBitGivesBothDirectionLinesOrNeither) {
  const std::vector<std::string> bothLines{"Реле 2 выбирает направление привода задвижки",
                                           "при срабатывании - задвижка открывается"};
  for (int deviceType : {0, 1, 2, 3}) {
    SCOPED_TRACE(deviceType);
    DeviceSettings settings;
    settings.general.deviceType = deviceType;
    settings.relays.relayMask[1][0] = 0x20;
    EXPECT_EQ(RelayPass(ReportBodyOf(settings), 2), bothLines);

    settings.relays.relayMask[1][0] = 0xFF & ~0x20;
    const std::vector<std::string> pass = RelayPass(ReportBodyOf(settings), 2);
    EXPECT_EQ(std::find(pass.begin(), pass.end(), bothLines[0]), pass.end());
    EXPECT_EQ(std::find(pass.begin(), pass.end(), bothLines[1]), pass.end());
  }
}

TEST(ReportInput, RootExtractionShownForCurrentAndMillivoltInputsOnly) {
  struct Case {
    int sensorType;
    int rootExtraction;
    bool shown;
  };
  for (const Case& c : {Case{17, 1, true}, Case{21, 1, true}, Case{16, 1, false},
                        Case{22, 1, false}, Case{23, 1, false}, Case{17, 0, false}}) {
    SCOPED_TRACE(c.sensorType);
    DeviceSettings settings;
    settings.general.deviceType = 0;
    settings.channels[0].sensorType = c.sensorType;
    settings.channels[0].rootExtraction = c.rootExtraction;
    const std::vector<std::string> body = ReportBodyOf(settings);
    EXPECT_EQ(std::count(body.begin(), body.end(), kRootLine), c.shown ? 1 : 0);
  }
}

TEST(ReportInput, TwoChannelRootLineFollowsEachChannelsOwnSensorAndFlag) {
  DeviceSettings settings;
  settings.general.deviceType = 1;
  auto rootLinesPerChannel = [&] {
    const std::vector<std::string> body = ReportBodyOf(settings);
    const auto second = std::find(body.begin(), body.end(), "Канал 2:");
    return std::vector<long>{std::count(body.begin(), second, kRootLine),
                             std::count(second, body.end(), kRootLine)};
  };
  ChannelSettings& first = settings.channels[0];
  ChannelSettings& second = settings.channels[1];
  first.sensorType = 23;
  first.rootExtraction = 1;
  second.sensorType = 17;
  second.rootExtraction = 1;
  EXPECT_EQ(rootLinesPerChannel(), (std::vector<long>{0, 1}));

  first.sensorType = 17;
  second.rootExtraction = 0;
  EXPECT_EQ(rootLinesPerChannel(), (std::vector<long>{1, 0}));
}

TEST(ReportHeading, NumbersAndDateWithoutLeadingZerosExceptTheQualityCode) {
  DeviceSettings settings;
  settings.general.deviceType = 3;
  settings.general.qcCode = 5;
  settings.general.serialNumber = 0;
  const ReportText text = BuildReportText(settings, {.year = 2025, .month = 1, .day = 1});
  EXPECT_EQ(text.numberLine, "Прибор ЗОРКАН740НР номер 005-0");
  EXPECT_EQ(text.dateLine, "Дата печати 1.1.2025");
}

TEST(ReportUnknownCodes, SensorAndSetpointTypesOutsideTheirListsAreNamedByCode) {
  // On the heap, so that a read past the sensor-bounds table would not go unnoticed.
  auto settings = std::make_unique<DeviceSettings>();
  settings->general.deviceType = 0;
  settings->channels[0].sensorType = 30;
  settings->channels[0].setpointType1 = 3;
  settings->channels[0].setpointType2 = -1;
  const std::vector<std::string> body = ReportBodyOf(*settings);
  for (const std::string line :
       {"Тип датчика : код 30", "Пределы допустимой основной погрешности : нет данных",
        "Тип уставки 1 : код 3", "Тип уставки 2 : код -1"}) {
    EXPECT_EQ(std::count(body.begin(), body.end(), line), 1) << line;
  }
}

TEST(ReportUnknownCodes, DeviceTypeWithoutLayoutPrintsNoInstrumentNumbers) {
  for (int deviceType : {4, -1}) {
    DeviceSettings settings;
    settings.general.deviceType = deviceType;
    const ReportText text = BuildReportText(settings, kDate);
    EXPECT_EQ(text.dateLine, "Дата печати 7.3.2024");
    EXPECT_EQ(text.numberLine, "");
    EXPECT_TRUE(text.body.empty());
  }
}

}  // namespace
}  // namespace zorkan
