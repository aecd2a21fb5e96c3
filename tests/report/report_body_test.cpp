// Whole report bodies, one per device type, line by line: field values that differ between the
// channels and relay masks with several bits show a line taken from the wrong field, channel or
// mask bit, a line out of place and a blank lost from a fixed text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/report_text.h"

namespace zorkan {
namespace {

const std::string kSeparator(53, '_');
const LocalTime kDate{.year = 2024, .month = 3, .day = 7};

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_EQ(actual.size(), expected.size());
}

TEST(ReportBody, SingleChannelInstrumentWithTwoSetpoints) {
  DeviceSettings settings;
  settings.general.deviceType = 0;
  settings.general.qcCode = 47;
  settings.general.serialNumber = 1234;
  ChannelSettings& channel = settings.channels[0];
  channel.sensorType = 9;
  channel.rangeMin = -50.0f;
  channel.rangeMax = 1300.0f;
  settings.sensorBounds[9].pogr = 0.75f;  // as a profile's Dat_bound9 may give it
  channel.rootExtraction = 1;             // a thermocouple has no root to extract
  channel.averaging = 4;
  channel.decimals = 2;
  channel.setpointType1 = 2;
  channel.setpoint1 = 400.0f;
  channel.hysteresis1 = 1.5f;
  channel.setpointType2 = 1;
  channel.setpoint2 = -20.25f;
  channel.hysteresis2 = 0.75f;
  channel.observations = 3;
  channel.offset = 0.2f;
  channel.rangeAdjust = 1.01f;
  channel.polynomial = {0.1f, 0.2f, 0.3f, 0.4f};
  settings.relays.relayMask = {{{0x07, 0x05}, {0x78, 0x02}}};

  const ReportText text = BuildReportText(settings, kDate);

  EXPECT_EQ(text.numberLine, "Прибор ЗОРКАН740/41Н номер 047-1234");
  ExpectLines(text.body,
              {
                  "Конфигурация прибора:",
                  "Тип прибора : ЗОРКАН 740/41 Н",
                  "Одноканальный прибор с двумя уставками.",
                  "Тип датчика : ТХА ТП ХА(K) хромель/алюмель",
                  "Диапазон измерений : -50.0000...1300.0000",
                  "Пределы допустимой основной погрешности :   0.7500 %",
                  "Число усреднений : 4",
                  "Число знаков после запятой : 2",
                  kSeparator,
                  "Тип уставки 1 : Повышение",
                  "Величина уставки 1 : 400.0000",
                  "Величина гистерезиса уставки 1 :   1.5000",
                  kSeparator,
                  "Тип уставки 2 : Понижение",
                  "Величина уставки 2 : -20.2500",
                  "Величина гистерезиса уставки 2 :   0.7500",
                  kSeparator,
                  "Число подтверждений при работе реле  : 3",
                  "Логика работы реле 1:",
                  "Реле 1 сработает от уставки 1 канала 1",
                  "Реле 1 сработает от уставки 2 канала 1",
                  "Реле 1 сработает от обрыва в канале 1",
                  "Реле 1 сработает от уставки 1 канала 2",
                  "Реле 1 сработает от обрыва в канале 2",
                  "",
                  "Логика работы реле 2:",
                  "Реле 2 сработает от уставки 2 канала 2",
                  "Реле 2 включает закрывание задвижки",
                  "Реле 2 включает открывание задвижки",
                  "Реле 2 включает привод задвижки",
                  "Реле 2 выбирает направление привода задвижки",
                  "при срабатывании - задвижка открывается",
                  "",
                  "Данные для справки. Дополнительная корректировка измеренного значения:",
                  "0 :   0.2000",
                  "Диапазон :   1.0100",
                  "Коэффициенты корректирующего полинома:",
                  "K0=  0.1000 K1=  0.2000 K2=  0.3000 K3=  0.4000",
              });
}

TEST(ReportBody, TwoChannelInstrumentShowsEachChannelsOwnValues) {
  DeviceSettings settings;
  settings.general.deviceType = 1;
  settings.general.qcCode = 120;
  settings.general.serialNumber = 258;
  ChannelSettings& first = settings.channels[0];
  first.sensorType = 18;
  first.rootExtraction = 1;
  first.rangeMin = 4.0f;
  first.rangeMax = 20.0f;
  first.averaging = 1;
  first.decimals = 1;
  first.setpointType1 = 1;
  first.setpoint1 = 5.5f;
  first.hysteresis1 = 0.125f;
  first.setpointType2 = 2;  // the second setpoint is not the two-channel instrument's
  first.observations = 2;
  first.offset = -0.5f;
  first.rangeAdjust = 0.98f;
  first.polynomial = {1.0f, 0.0f, 0.0f, 0.0f};
  ChannelSettings& second = settings.channels[1];
  second.sensorType = 22;
  second.rootExtraction = 1;
  second.rangeMin = 0.0f;
  second.rangeMax = 300.0f;
  second.averaging = 8;
  second.decimals = 0;
  second.setpointType1 = 2;
  second.setpoint1 = 250.0f;
  second.hysteresis1 = 5.0f;
  second.observations = 10;
  second.offset = 1.25f;
  second.rangeAdjust = 1.0f;
  second.polynomial = {0.0f, 0.0f, 0.0f, -2.0f};
  settings.sensorBounds[22].pogr = 1.0f;
  settings.relays.relayMask = {{{0x00, 0x02}, {0x00, 0x00}}};

  const ReportText text = BuildReportText(settings, kDate);

  EXPECT_EQ(text.numberLine, "Прибор ЗОРКАН742Н номер 120-258");
  ExpectLines(text.body,
              {
                  "Конфигурация прибора:",
                  "Тип прибора : ЗОРКАН 742 Н",
                  "Двухканальный прибор с одной уставкой в каждом канале.",
                  "Канал 1:",
                  "Тип датчика : Ток 0-20 мА",
                  "Диапазон измерений :   4.0000... 20.0000",
                  "Пределы допустимой основной погрешности :   0.2500 %",
                  "Включено корнеизвлечение",
                  "Число усреднений : 1",
                  "Число знаков после запятой : 1",
                  "Тип уставки  : Понижение",
                  "Величина уставки  :   5.5000",
                  "Величина гистерезиса уставки  :   0.1250",
                  "Число подтверждений при работе реле  : 2",
                  kSeparator,
                  "Канал 2:",
                  "Тип датчика : Измерение сопротивления",
                  "Диапазон измерений :   0.0000...300.0000",
                  "Пределы допустимой основной погрешности :   1.0000 %",
                  "Число усреднений : 8",
                  "Число знаков после запятой : 0",
                  "Тип уставки  : Повышение",
                  "Величина уставки  : 250.0000",
                  "Величина гистерезиса уставки  :   5.0000",
                  "Число подтверждений при работе реле  : 10",
                  kSeparator,
                  "Логика работы реле 1:",
                  "Реле 1 сработает от уставки 2 канала 2",
                  "",
                  "Логика работы реле 2:",
                  "",
                  "Данные для справки. Дополнительная корректировка измеренного значения:",
                  "Канал 1",
                  "0 :  -0.5000",
                  "Диапазон :   0.9800",
                  "Коэффициенты корректирующего полинома:",
                  "K0=  1.0000 K1=  0.0000 K2=  0.0000 K3=  0.0000",
                  "Канал 2",
                  "0 :   1.2500",
                  "Диапазон :   1.0000",
                  "Коэффициенты корректирующего полинома:",
                  "K0=  0.0000 K1=  0.0000 K2=  0.0000 K3= -2.0000",
              });
}

TEST(ReportBody, ValveRegulator) {
  DeviceSettings settings;
  settings.general.deviceType = 2;
  settings.general.qcCode = 7;
  settings.general.serialNumber = 65535;
  ChannelSettings& channel = settings.channels[0];
  channel.sensorType = 19;
  channel.rootExtraction = 0;
  channel.rangeMin = 0.0f;
  channel.rangeMax = 16.0f;
  channel.averaging = 10;
  channel.decimals = 3;
  channel.setpoint1 = 60.0f;
  channel.setpoint2 = 2.5f;
  channel.hysteresis1 = 0.5f;
  channel.regulationInterval = 10;
  channel.pulseInterval = 3;
  channel.offset = 0.0f;
  channel.rangeAdjust = 1.0f;
  channel.polynomial = {9.0f, 9.0f, 9.0f, 9.0f};  // the valve regulator's report leaves them out
  settings.relays.relayMask = {{{0x08, 0x00}, {0x50, 0x04}}};

  const ReportText text = BuildReportText(settings, kDate);

  EXPECT_EQ(text.numberLine, "Прибор ЗОРКАН745  номер 007-65535");
  ExpectLines(text.body,
              {
                  "Конфигурация прибора:",
                  "Тип прибора : ЗОРКАН 745Н  ",
                  "Одноканальный прибор с функцией пропорционального управления задвижками.",
                  "Тип датчика : Ток 4-20 мА",
                  "Диапазон измерений :   0.0000... 16.0000",
                  "Пределы допустимой основной погрешности :   0.2500 %",
                  "Число усреднений : 10",
                  "Число знаков после запятой : 3",
                  "",
                  "Заданная для регулирования величина :  60.0000",
                  "Коэффициент пропорциональности :   2.5000",
                  "Зона нечувствительности :   0.5000",
                  "Интервал времени выдачи управляющих воздействий : 10 сек",
                  "Максимальное время управляющего импульса : 3 сек",
                  "",
                  "Логика работы реле 1:",
                  "Реле 1 включает закрывание задвижки",
                  "",
                  "Логика работы реле 2:",
                  "Реле 2 сработает от обрыва в канале 2",
                  "Реле 2 включает открывание задвижки",
                  "Реле 2 включает привод задвижки",
                  "",
                  "Данные для справки. Дополнительная корректировка измеренного значения:",
                  "0 :   0.0000",
                  "Диапазон :   1.0000",
              });
}

TEST(ReportBody, PidRegulatorTakesItsAlarmSetpointFromChannelTwo) {
  DeviceSettings settings;
  settings.general.deviceType = 3;
  settings.general.qcCode = 47;
  settings.general.serialNumber = 300;
  ChannelSettings& channel = settings.channels[0];
  channel.sensorType = 8;
  channel.rangeMin = -50.0f;
  channel.rangeMax = 600.0f;
  channel.averaging = 2;
  channel.decimals = 1;
  channel.setpoint1 = 150.0f;
  channel.setpoint2 = 20.0f;
  channel.hysteresis1 = 10.0f;
  channel.regulationInterval = 30;
  channel.setpointType1 = 1;
  channel.observations = 9;
  channel.polynomial = {1.5f, 40.0f, 200.0f, 0.9f};
  channel.offset = 0.5f;
  channel.rangeAdjust = 1.0f;
  ChannelSettings& alarm = settings.channels[1];
  alarm.setpointType1 = 2;
  alarm.setpoint1 = 180.0f;
  alarm.hysteresis1 = 2.0f;
  alarm.observations = 4;
  // Bits the heater regulator's relay logic has no line for are set too.
  settings.relays.relayMask = {{{0x37, 0x00}, {0x40, 0x07}}};

  const ReportText text = BuildReportText(settings, kDate);

  EXPECT_EQ(text.numberLine, "Прибор ЗОРКАН740НР номер 047-300");
  ExpectLines(text.body, {
                             "Конфигурация прибора:",
                             "Тип прибора : ЗОРКАН 740НР  ",
                             "Одноканальный прибор с функцией ПИД управления нагревателем.",
                             "Тип датчика : Pt100 ТС платина Ro=100 W=1.385",
                             "Диапазон измерений : -50.0000...600.0000",
                             "Пределы допустимой основной погрешности :   0.2500 %",
                             "Число усреднений : 2",
                             "Число знаков после запятой : 1",
                             "",
                             "Заданная для регулирования величина : 150.0000",
                             "Коэффициент пропорциональности :  20.0000",
                             "Зона ПИД управления :  10.0000",
                             "Период ШИМ : 30 сек",
                             "",
                             "Тип уставки  : Повышение",
                             "Величина уставки  : 180.0000",
                             "Величина гистерезиса уставки  :   2.0000",
                             "Число подтверждений при работе реле  : 4",
                             "",
                             "Коэффициенты ПИД регулятора:",
                             "Коэфф. пропрциональности=  1.5000",
                             "Время дифференцирования= 40.0000",
                             "Время интегрирования=200.0000",
                             "",
                             "Логика работы реле 1:",
                             "Реле 1 включает нагрев",
                             "Реле 1 выбирает направление привода задвижки",
                             "при срабатывании - задвижка открывается",
                             "",
                             "Логика работы реле 2:",
                             "Реле 2 сработает от уставки канала",
                             "Реле 2 сработает от обрыва в канале",
                             "Реле 2 включает привод задвижки",
                             "",
                             "0 :   0.5000",
                             "Диапазон :   1.0000",
                         });
}

}  // namespace
}  // namespace zorkan
