#include "profiles/profile_keys.h"

#include <algorithm>
#include <array>

#include "operator/operator_text.h"
#include "profiles/profile_document.h"

namespace zorkan {

namespace profile {

namespace {

using S = DeviceSettings;
using Row = ProfileKey;
using enum ProfileSection;

constexpr std::array<SensorBoundTexts, kSensorTypeCount> kSensorBoundTexts{{
    {"200.0", "-50.0", "0.25"},  // 0
    {"200.0", "-50.0", "0.25"},  // 1
    {"200.0", "-50.0", "0.25"},  // 2
    {"200.0", "-50.0", "0.25"},  // 3
    {"200.0", "-50.0", "0.25"},  // 4
    {"200.0", "-50.0", "0.25"},  // 5
    {"600.0", "-50.0", "0.25"},  // 6
    {"600.0", "-50.0", "0.25"},  // 7
    {"600.0", "-50.0", "0.25"},  // 8
    {"1300.0", "-50.0", "0.5"},  // 9
    {"600.0", "-50.0", "0.5"},   // 10
    {"1700.0", "0.0", "0.5"},    // 11
    {"1700.0", "0.0", "0.5"},    // 12
    {"1800.0", "300.0", "0.5"},  // 13
    {"1100.0", "-50.0", "0.5"},  // 14
    {"2500.0", "0.0", "0.5"},    // 15
    {"400.0", "-50.0", "0.5"},   // 16
    {"100.0", "0.0", "0.25"},    // 17
    {"100.0", "0.0", "0.25"},    // 18
    {"100.0", "0.0", "0.25"},    // 19
    {"100.0", "0.0", "0.25"},    // 20
    {"100.0", "0.0", "0.25"},    // 21
    {"300.0", "0.0", "0.25"},    // 22
    {"100.0", "0.0", "0.25"},    // 23
    {"1300.0", "-50.0", "0.5"},  // 24
}};

// Channel 1 is the regulator of this edition, channel 2 its alarm setpoint; their first setpoint
// groups carry the regulator's and the alarm's captions.
constexpr ProfileKey kRows[] = {
    Row{Channel, "dat", "17", kExchanged | kKept, Generated(1),
        Captions(OPERATOR_TEXT("Тип датчика"), OPERATOR_TEXT("Тип датчика канала 2")),
        [](S& s, int i) { return &s.channels[i].sensorType; }},
    Row{Channel, "diap_max", "100", kExchanged | kKept, Generated(2),
        Captions(OPERATOR_TEXT("Максимум"), OPERATOR_TEXT("Максимум диапазона канала 2")),
        [](S& s, int i) { return &s.channels[i].rangeMax; }},
    Row{Channel, "diap_min", "0", kExchanged | kKept, Generated(3),
        Captions(OPERATOR_TEXT("Минимум"), OPERATOR_TEXT("Минимум диапазона канала 2")),
        [](S& s, int i) { return &s.channels[i].rangeMin; }},
    Row{Channel, "adj", "1.0", kExchanged | kKept, Generated(4),
        Captions(OPERATOR_TEXT("Диапазон"), OPERATOR_TEXT("Подстройка диапазона канала 2")),
        [](S& s, int i) { return &s.channels[i].rangeAdjust; }},
    Row{Channel, "lin", "0.2", kKept, Generated(5),
        Captions(OPERATOR_TEXT("Сопротивление линии канала 1"),
                 OPERATOR_TEXT("Сопротивление линии канала 2")),
        [](S& s, int i) { return &s.channels[i].lineResistance; }},
    Row{Channel, "wire", "3", kKept, Generated(6),
        Captions(OPERATOR_TEXT("Число проводов канала 1"),
                 OPERATOR_TEXT("Число проводов канала 2")),
        [](S& s, int i) { return &s.channels[i].wireCount; }},
    Row{Channel, "flag", "0", kExchanged | kKept, Generated(7),
        Captions(OPERATOR_TEXT("Корнеизвлечение"), OPERATOR_TEXT("Корнеизвлечение канала 2")),
        [](S& s, int i) { return &s.channels[i].rootExtraction; }},
    Row{Channel, "ns", "0", kExchanged | kKept, Generated(8, "1"),
        Captions(OPERATOR_TEXT("Усреднение"), OPERATOR_TEXT("Усреднение канала 2")),
        [](S& s, int i) { return &s.channels[i].averaging; }},
    Row{Channel, "shift", "0", kExchanged | kKept, Generated(9),
        Captions(OPERATOR_TEXT("Смещение (0)"), OPERATOR_TEXT("Смещение канала 2")),
        [](S& s, int i) { return &s.channels[i].offset; }},
    Row{Channel, "th_type1", "0", kExchanged | kKept, Generated(10, "0", "2"),
        Captions(OPERATOR_TEXT("Тип уставки 1 канала 1"), OPERATOR_TEXT("Тип уставки")),
        [](S& s, int i) { return &s.channels[i].setpointType1; }},
    Row{Channel, "th_type2", "0", kExchanged | kKept, Generated(11),
        Captions(OPERATOR_TEXT("Тип уставки 2 канала 1"), OPERATOR_TEXT("Тип уставки 2 канала 2")),
        [](S& s, int i) { return &s.channels[i].setpointType2; }},
    Row{Channel, "th1", "50", kExchanged | kKept, Generated(12, "40", "50"),
        Captions(OPERATOR_TEXT("Регулируемое значение"), OPERATOR_TEXT("Величина уставки")),
        [](S& s, int i) { return &s.channels[i].setpoint1; }},
    Row{Channel, "th2", "60", kExchanged | kKept, Generated(13, "555", "0"),
        Captions(OPERATOR_TEXT("Коэффициент пропорциональности"),
                 OPERATOR_TEXT("Уставка 2 канала 2")),
        [](S& s, int i) { return &s.channels[i].setpoint2; }},
    Row{Channel, "his1", "0.02", kExchanged | kKept, Generated(14, "5.0", "1.0"),
        Captions(OPERATOR_TEXT("Зона"), OPERATOR_TEXT("Величина гистерезиса")),
        [](S& s, int i) { return &s.channels[i].hysteresis1; }},
    Row{Channel, "his2", "0.02", kExchanged | kKept, Generated(15, "0.50", "0.5").inBuiltin("0.5"),
        Captions(OPERATOR_TEXT("Мин. длит. имп."), OPERATOR_TEXT("Гистерезис уставки 2 канала 2")),
        [](S& s, int i) { return &s.channels[i].hysteresis2; }},
    Row{Channel, "spd_th", "0.1", kExchanged | kKept, Generated(16, "1.0"),
        Captions(OPERATOR_TEXT("Шаг изменения рег.знач."),
                 OPERATOR_TEXT("Шаг изменения уставки канала 2")),
        [](S& s, int i) { return &s.channels[i].setpointStep; }},
    Row{Channel, "spd_his", "0.01", kExchanged | kKept, Generated(17, "0.1"),
        Captions(OPERATOR_TEXT("Шаг изм. з. ПИД упр."),
                 OPERATOR_TEXT("Шаг изменения гистерезиса канала 2")),
        [](S& s, int i) { return &s.channels[i].hysteresisStep; }},
    Row{Channel, "koef0", "0.0", kExchanged | kKept, Generated(18, "1.0", "0"),
        Captions(OPERATOR_TEXT("Коэффициент полинома 0 канала 1"),
                 OPERATOR_TEXT("Коэффициент полинома 0 канала 2")),
        [](S& s, int i) { return &s.channels[i].polynomial[0]; }},
    Row{Channel, "koef1", "0.0", kExchanged | kKept, Generated(19, "444.0", "0"),
        Captions(OPERATOR_TEXT("T  дифф"), OPERATOR_TEXT("Коэффициент полинома 1 канала 2")),
        [](S& s, int i) { return &s.channels[i].polynomial[1]; }},
    Row{Channel, "koef2", "0.0", kExchanged | kKept, Generated(20, "4.4", "0"),
        Captions(OPERATOR_TEXT("T инт"), OPERATOR_TEXT("Коэффициент полинома 2 канала 2")),
        [](S& s, int i) { return &s.channels[i].polynomial[2]; }},
    Row{Channel, "koef3", "0.0", kExchanged | kKept, Generated(21, "1.0", "0"),
        Captions(OPERATOR_TEXT("Коэфф асимметрии"),
                 OPERATOR_TEXT("Коэффициент полинома 3 канала 2")),
        [](S& s, int i) { return &s.channels[i].polynomial[3]; }},
    Row{Channel, "uref", "26.32", kKept, Generated(31),
        Captions(OPERATOR_TEXT("Калибровка uref канала 1"),
                 OPERATOR_TEXT("Калибровка uref канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.uref; }},
    Row{Channel, "rref", "7491.0", kKept, Generated(32),
        Captions(OPERATOR_TEXT("Калибровка rref канала 1"),
                 OPERATOR_TEXT("Калибровка rref канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.rref; }},
    Row{Channel, "ku", "94.44", kKept, Generated(33),
        Captions(OPERATOR_TEXT("Калибровка ku канала 1"), OPERATOR_TEXT("Калибровка ku канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.ku; }},
    Row{Channel, "ku10", "9.43", kKept, Generated(34),
        Captions(OPERATOR_TEXT("Калибровка ku10 канала 1"),
                 OPERATOR_TEXT("Калибровка ku10 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.ku10; }},
    Row{Channel, "ki05", "18.43", kKept, Generated(35),
        Captions(OPERATOR_TEXT("Калибровка ki05 канала 1"),
                 OPERATOR_TEXT("Калибровка ki05 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.ki05; }},
    Row{Channel, "ki020", "18.43", kKept, Generated(36),
        Captions(OPERATOR_TEXT("Калибровка ki020 канала 1"),
                 OPERATOR_TEXT("Калибровка ki020 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibration.ki020; }},
    Row{Channel, "set_ra", "40.0", kKept, Generated(37),
        Captions(OPERATOR_TEXT("Эталон калибровки set_ra канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_ra канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setRa; }},
    Row{Channel, "set_rb", "300.0", kKept, Generated(38),
        Captions(OPERATOR_TEXT("Эталон калибровки set_rb канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_rb канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setRb; }},
    Row{Channel, "set_ku", "100.0", kKept, Generated(41),
        Captions(OPERATOR_TEXT("Эталон калибровки set_ku канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_ku канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu; }},
    Row{Channel, "set_ku10", "10.0", kKept, Generated(42),
        Captions(OPERATOR_TEXT("Эталон калибровки set_ku10 канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_ku10 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu10; }},
    Row{Channel, "set_ki05", "5.0", kKept, Generated(39),
        Captions(OPERATOR_TEXT("Эталон калибровки set_ki05 канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_ki05 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi05; }},
    Row{Channel, "set_ki020", "20.0", kKept, Generated(40),
        Captions(OPERATOR_TEXT("Эталон калибровки set_ki020 канала 1"),
                 OPERATOR_TEXT("Эталон калибровки set_ki020 канала 2")),
        [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi020; }},
    Row{Channel, "search", "2", kExchanged | kKept, Generated(22),
        Captions(OPERATOR_TEXT("Число наблюдений канала 1"),
                 OPERATOR_TEXT("Число наблюдений перед срабатыванием")),
        [](S& s, int i) { return &s.channels[i].observations; }},
    Row{Channel, "point", "1", kExchanged | kKept, Generated(23),
        Captions(OPERATOR_TEXT("Знаков"), OPERATOR_TEXT("Знаков после запятой канала 2")),
        [](S& s, int i) { return &s.channels[i].decimals; }},
    Row{Channel, "select", "1", kKept, Generated(30),
        Captions(OPERATOR_TEXT("Обмен с каналом 1"), OPERATOR_TEXT("Обмен с каналом 2")),
        [](S& s, int i) { return &s.channels[i].selected; }},
    Row{Channel, "use", "0", kExchanged | kKept, Generated(24, "1"),
        Captions(OPERATOR_TEXT("Разрешение работы канала 1"),
                 OPERATOR_TEXT("Разрешение работы канала 2")),
        [](S& s, int i) { return &s.channels[i].channelEnable; }},
    Row{Channel, "ver_rel_proc", "1", kExchanged | kKept, Generated(25, "0"),
        Captions(OPERATOR_TEXT("Логика реле канала 1"), OPERATOR_TEXT("Логика реле канала 2")),
        [](S& s, int i) { return &s.channels[i].relayProcessing; }},
    Row{Channel, "reg_int", "30", kExchanged | kKept, Generated(26, "30", "2").inBuiltin("2"),
        Captions(OPERATOR_TEXT("Период ШИМ"), OPERATOR_TEXT("Интервал регулятора канала 2")),
        [](S& s, int i) { return &s.channels[i].regulationInterval; }},
    Row{Channel, "pulse_int", "5", kExchanged | kKept, Generated(27, "10", "2").inBuiltin("2"),
        Captions(OPERATOR_TEXT("Макс. длит. импульса"),
                 OPERATOR_TEXT("Импульс регулятора канала 2")),
        [](S& s, int i) { return &s.channels[i].pulseInterval; }},
    Row{Channel, "text", "Канал %u", kKept, Generated(28),
        Captions(OPERATOR_TEXT("Название канала 1"), OPERATOR_TEXT("Название канала 2")),
        [](S& s, int i) { return &s.channels[i].channelText; }},
    Row{Channel, "unit", "<....>", kKept, Generated(29),
        Captions(OPERATOR_TEXT("Единица измерения канала 1"),
                 OPERATOR_TEXT("Единица измерения канала 2")),
        [](S& s, int i) { return &s.channels[i].unitText; }},

    Row{Rele, "select", "1", kKept, Generated(1), Captions(OPERATOR_TEXT("Обмен назначением реле")),
        [](S& s, int) { return &s.relays.relaySelected; }},
    Row{Rele, "use", "1", kKept, Generated(3), Captions(OPERATOR_TEXT("Использование реле")),
        [](S& s, int) { return &s.relays.use; }},
    Row{Rele, "test", "0", kKept, Generated(2), Captions(OPERATOR_TEXT("Проверка реле")),
        [](S& s, int) { return &s.relays.test; }},
    Row{Rele, "rel0_msk0", "0", kExchanged | kKept, Generated(4, "16"),
        Captions(OPERATOR_TEXT("Назначение реле 1 (канал 1)")),
        [](S& s, int) { return &s.relays.relayMask[0][0]; }},
    Row{Rele, "rel0_msk1", "0", kExchanged | kKept, Generated(5),
        Captions(OPERATOR_TEXT("Назначение реле 1 (канал 2)")),
        [](S& s, int) { return &s.relays.relayMask[0][1]; }},
    Row{Rele, "rel1_msk0", "0", kExchanged | kKept, Generated(6),
        Captions(OPERATOR_TEXT("Назначение реле 2 (канал 1)")),
        [](S& s, int) { return &s.relays.relayMask[1][0]; }},
    Row{Rele, "rel1_msk1", "0", kExchanged | kKept, Generated(7, "1"),
        Captions(OPERATOR_TEXT("Назначение реле 2 (канал 2)")),
        [](S& s, int) { return &s.relays.relayMask[1][1]; }},

    // A save writes only the calibration procedure's first two settings; the rest of the section
    // stays as the file has it.
    Row{Grad, "kalib_usr", "8", kKept, Generated(1),
        Captions(OPERATOR_TEXT("Калибровка kalib_usr")),
        [](S& s, int) { return &s.grad.kalibUsr; }},
    Row{Grad, "kalib_del", "90", kKept, Generated(2, "180").inBuiltin("90"),
        Captions(OPERATOR_TEXT("Калибровка kalib_del")),
        [](S& s, int) { return &s.grad.kalibDel; }},
    Row{Grad, "usr_ref", "8", kLoaded, Generated(15), Captions(OPERATOR_TEXT("Калибровка usr_ref")),
        [](S& s, int) { return &s.grad.usrRef; }},
    Row{Grad, "del_ref", "90", kLoaded, Generated(18),
        Captions(OPERATOR_TEXT("Калибровка del_ref")), [](S& s, int) { return &s.grad.delRef; }},
    Row{Grad, "usr_ku", "8", kLoaded, Generated(16), Captions(OPERATOR_TEXT("Калибровка usr_ku")),
        [](S& s, int) { return &s.grad.usrKu; }},
    Row{Grad, "del_ku", "40", kLoaded, Generated(19), Captions(OPERATOR_TEXT("Калибровка del_ku")),
        [](S& s, int) { return &s.grad.delKu; }},
    Row{Grad, "usr_ki", "8", kLoaded, Generated(17), Captions(OPERATOR_TEXT("Калибровка usr_ki")),
        [](S& s, int) { return &s.grad.usrKi; }},
    Row{Grad, "del_ki", "40", kLoaded, Generated(20), Captions(OPERATOR_TEXT("Калибровка del_ki")),
        [](S& s, int) { return &s.grad.delKi; }},
    Row{Grad, "rref_min", "5000.0", kLoaded, Generated(3),
        Captions(OPERATOR_TEXT("Нижний предел калибровки rref")),
        [](S& s, int) { return &s.grad.rrefMin; }},
    Row{Grad, "rref_max", "9000.0", kLoaded, Generated(4),
        Captions(OPERATOR_TEXT("Верхний предел калибровки rref")),
        [](S& s, int) { return &s.grad.rrefMax; }},
    Row{Grad, "uref_min", "18.0", kLoaded, Generated(5),
        Captions(OPERATOR_TEXT("Нижний предел калибровки uref")),
        [](S& s, int) { return &s.grad.urefMin; }},
    Row{Grad, "uref_max", "32.0", kLoaded, Generated(6),
        Captions(OPERATOR_TEXT("Верхний предел калибровки uref")),
        [](S& s, int) { return &s.grad.urefMax; }},
    Row{Grad, "ku_min", "75.0", kLoaded, Generated(7),
        Captions(OPERATOR_TEXT("Нижний предел калибровки ku")),
        [](S& s, int) { return &s.grad.kuMin; }},
    Row{Grad, "ku_max", "115.0", kLoaded, Generated(8),
        Captions(OPERATOR_TEXT("Верхний предел калибровки ku")),
        [](S& s, int) { return &s.grad.kuMax; }},
    Row{Grad, "ku10_min", "7.5", kLoaded, Generated(9),
        Captions(OPERATOR_TEXT("Нижний предел калибровки ku10")),
        [](S& s, int) { return &s.grad.ku10Min; }},
    Row{Grad, "ku10_max", "11.5", kLoaded, Generated(10),
        Captions(OPERATOR_TEXT("Верхний предел калибровки ku10")),
        [](S& s, int) { return &s.grad.ku10Max; }},
    Row{Grad, "ki05_min", "14.0", kLoaded, Generated(11),
        Captions(OPERATOR_TEXT("Нижний предел калибровки ki05")),
        [](S& s, int) { return &s.grad.ki05Min; }},
    Row{Grad, "ki05_max", "22.0", kLoaded, Generated(12),
        Captions(OPERATOR_TEXT("Верхний предел калибровки ki05")),
        [](S& s, int) { return &s.grad.ki05Max; }},
    Row{Grad, "ki020_min", "14.0", kLoaded, Generated(13),
        Captions(OPERATOR_TEXT("Нижний предел калибровки ki020")),
        [](S& s, int) { return &s.grad.ki020Min; }},
    Row{Grad, "ki020_max", "22.0", kLoaded, Generated(14),
        Captions(OPERATOR_TEXT("Верхний предел калибровки ki020")),
        [](S& s, int) { return &s.grad.ki020Max; }},
    // Whatever a profile says, immediate write-back of calibration results is on again after a
    // load.
    Row{Grad, "wr_grad_immid", "1", kLoaded | kLoadResets, Generated(21),
        Captions(OPERATOR_TEXT("Немедленная запись калибровки")),
        [](S& s, int) { return &s.grad.writeImmediately; }},

    Row{Definition, "txt0", "Прибор ЗОРКАН74Х Н. Описение настроек текущего профиля.", kKept,
        Generated(1, "Прибор ЗОРКАН 740 НР. Одноканальный прибор с ПИД управлением нагревателем.")
            .inBuiltin(
                "Прибор ЗОРКАН 740 НР ПИД. Одноканальный прибор с ПИД управлением нагревателем."),
        Captions(OPERATOR_TEXT("Описание настроек, строка 1")),
        [](S& s, int) { return &s.description[0]; }},
    Row{Definition, "txt1", "", kKept,
        Generated(2, "Реле 1 включает нагреватель, реле 2 - назначено на уставку.")
            .inBuiltin("Реле 1 включает нагреватель, реле 2 - дополнительная уставка."),
        Captions(OPERATOR_TEXT("Описание настроек, строка 2")),
        [](S& s, int) { return &s.description[1]; }},
    Row{Definition, "txt2", "", kKept, Generated(3),
        Captions(OPERATOR_TEXT("Описание настроек, строка 3")),
        [](S& s, int) { return &s.description[2]; }},
    Row{Definition, "txt3", "", kKept, Generated(4),
        Captions(OPERATOR_TEXT("Описание настроек, строка 4")),
        [](S& s, int) { return &s.description[3]; }},

    Row{Gen, "gen_select", "1", kKept, Generated(1),
        Captions(OPERATOR_TEXT("Обмен общими параметрами")),
        [](S& s, int) { return &s.general.generalSelected; }},
    Row{Gen, "proc_ver", "3", kExchanged | kKept, Generated(2),
        Captions(OPERATOR_TEXT("Тип прибора")), [](S& s, int) { return &s.general.deviceType; }},
    Row{Gen, "use_max", "0", kKept, Generated(3, "1").inBuiltin("0"),
        Captions(OPERATOR_TEXT("Номинальные диапазоны унифицированных входов")),
        [](S& s, int) { return &s.useMax; }},
    // The kind of instrument the generated profiles were made for; no setting reads it.
    Row{Gen, "dev_type", "", Uses{}, Generated(4, "47"), Captions(), ProfileField()},
    // The quality-control code is only read from the instrument, never written to it. A load
    // writes it back so that a file lacking it gets one.
    Row{Gen, "otk_type", "47", kRead | kKept | kLoadWritesBack, Generated(5).notInBuiltin(),
        Captions(OPERATOR_TEXT("Номер прибора")), [](S& s, int) { return &s.general.qcCode; }},
    Row{Err, "err_ver", "1", kExchanged | kKept, Generated(1).inBuiltin("0"),
        Captions(OPERATOR_TEXT("Отображение ошибки")),
        [](S& s, int) { return &s.general.errorDisplay; }},
    Row{Graf, "wr_int", "1", kKept, Generated(1),
        Captions(OPERATOR_TEXT("Интервал записи измерений, с")),
        [](S& s, int) { return &s.logInterval; }},

    Row{DatBound, "max", &SensorBoundTexts::max, kLoaded, Generated(1),
        Captions(OPERATOR_TEXT("Верхняя граница датчика «%1»")),
        [](S& s, int i) { return &s.sensorBounds[i].max; }},
    Row{DatBound, "min", &SensorBoundTexts::min, kLoaded, Generated(2),
        Captions(OPERATOR_TEXT("Нижняя граница датчика «%1»")),
        [](S& s, int i) { return &s.sensorBounds[i].min; }},
    Row{DatBound, "pogr", &SensorBoundTexts::pogr, kLoaded, Generated(3),
        Captions(OPERATOR_TEXT("Погрешность датчика «%1»")),
        [](S& s, int i) { return &s.sensorBounds[i].pogr; }},

    // What a whole read gives and the pages show; a menu load keeps what they showed.
    Row{None, "", "", kRead, Generated(), Captions(),
        [](S& s, int) { return &s.general.firmwareVersion; }},
    Row{None, "", "", kRead, Generated(), Captions(),
        [](S& s, int) { return &s.general.serialNumber; }},
    Row{None, "", "", kRead, Generated(), Captions(),
        [](S& s, int) { return &s.general.manufactureDay; }},
    Row{None, "", "", kRead, Generated(), Captions(),
        [](S& s, int) { return &s.general.manufactureMonth; }},
    Row{None, "", "", kRead, Generated(), Captions(),
        [](S& s, int) { return &s.general.manufactureYear; }},
};

constexpr bool HasField(const ProfileKey& key) {
  return !std::holds_alternative<std::monostate>(key.field);
}

// EveryKeyPlace walks each section once: a section's rows stand together.
static_assert([] {
  for (std::size_t i = 1; i < std::size(kRows); ++i) {
    if (kRows[i].section == kRows[i - 1].section) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (kRows[j].section == kRows[i].section) return false;
    }
  }
  return true;
}());

// A key is named once in its section; a setting in no profile has no name.
static_assert([] {
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    if ((kRows[i].section == None) != kRows[i].name.empty()) return false;
    for (std::size_t j = 0; j < i && kRows[i].section != None; ++j) {
      if (kRows[j].section == kRows[i].section && kRows[j].name == kRows[i].name) return false;
    }
  }
  return true;
}());

// What a row takes part in fits together.
constexpr bool UsesFitTogether(const ProfileKey& key) {
  // Only what a load takes can a save write, a load write back or a write send.
  if ((key.is(kSaved) || key.is(kLoadWritesBack) || key.is(kLoadResets)) && !key.is(kLoaded)) {
    return false;
  }
  if (key.is(kWritten) && !key.is(kRead | kLoaded)) return false;
  // What a load takes has a setting and a section; a key without a setting is only generated.
  if (key.is(kLoaded) && (!HasField(key) || key.section == None)) return false;
  if (!HasField(key) && key.uses != Uses{}) return false;
  // A setting a comparison can show (one a profile holds) has its caption, for each channel; no
  // other setting has one.
  const bool captioned =
      !key.captions.first.empty() && (key.section != Channel || !key.captions.second.empty());
  return key.is(kLoaded) == captioned;
}
static_assert(std::ranges::all_of(kRows, UsesFitTogether));

// In the generated profiles each section's keys have the places 1 to n.
static_assert([] {
  for (const ProfileKey& key : kRows) {
    int inSection = 0;
    int atPlace = 0;
    for (const ProfileKey& other : kRows) {
      if (other.section != key.section || other.generated.place == 0) continue;
      ++inSection;
      if (other.generated.place == key.generated.place) ++atPlace;
    }
    if (key.generated.place != 0 &&
        (key.section == None || key.generated.place > inSection || atPlace != 1)) {
      return false;
    }
  }
  return true;
}());

consteval const ProfileKey& FindRow(ProfileSection section, std::string_view name) {
  for (const ProfileKey& key : kRows) {
    if (key.section == section && key.name == name) return key;
  }
  throw "no profile key of this name in this section";
}

}  // namespace

constinit const std::span<const ProfileKey> kProfileKeys{kRows};

const ProfileKey& FirstDescriptionKey() {
  static constexpr const ProfileKey& kFirstLine = FindRow(Definition, "txt0");
  return kFirstLine;
}

std::string SectionName(ProfileSection section, int index) {
  switch (section) {
    case None:
      return {};
    case Channel:
      return "CH" + std::to_string(index + 1);
    case Rele:
      return "RELE";
    case Grad:
      return "Grad";
    case Definition:
      return "Definition";
    case Gen:
      return "GEN";
    case Err:
      return "ERR";
    case Graf:
      return "GRAF";
    case DatBound:
      return "Dat_bound" + std::to_string(index);
  }
  return {};
}

int SectionCount(ProfileSection section) {
  switch (section) {
    case Channel:
      return kChannelCount;
    case DatBound:
      return kSensorTypeCount;
    default:
      return 1;
  }
}

std::string DefaultTextOf(const ProfileKey& key, int index) {
  if (const auto* member = std::get_if<std::string_view SensorBoundTexts::*>(&key.defaultText)) {
    return std::string(kSensorBoundTexts[static_cast<std::size_t>(index)].*(*member));
  }
  std::string text(std::get<std::string_view>(key.defaultText));
  if (const std::size_t at = text.find("%u"); at != std::string::npos) {
    text.replace(at, 2, std::to_string(index + 1));
  }
  return text;
}

const std::vector<KeyPlace>& EveryKeyPlace() {
  static const std::vector<KeyPlace> places = [] {
    std::vector<KeyPlace> all;
    for (auto first = kProfileKeys.begin(); first != kProfileKeys.end();) {
      const auto end = std::find_if(first, kProfileKeys.end(), [&](const ProfileKey& key) {
        return key.section != first->section;
      });
      for (int index = 0; index < SectionCount(first->section); ++index) {
        for (auto key = first; key != end; ++key) {
          if (key->is(kLoaded)) all.push_back({&*key, index});
        }
      }
      first = end;
    }
    return all;
  }();
  return places;
}

std::optional<KeyPlace> FindKeyPlace(std::string_view section, std::string_view key) {
  for (const KeyPlace& place : EveryKeyPlace()) {
    if (place.key->name == key && SectionName(place.key->section, place.index) == section) {
      return place;
    }
  }
  return std::nullopt;
}

std::string CaptionOf(const KeyPlace& place) {
  const Captions& captions = place.key->captions;
  const std::string_view caption =
      place.key->section == Channel && place.index == 1 ? captions.second : captions.first;
  if (place.key->section != DatBound) return std::string(caption);
  return FillText(caption, kSensorTypeTexts[static_cast<std::size_t>(place.index)]);
}

std::string CaptionOfKey(std::string_view section, std::string_view key) {
  if (const std::optional<KeyPlace> place = FindKeyPlace(section, key)) return CaptionOf(*place);
  return std::string(section) + " " + std::string(key);
}

}  // namespace profile

bool HoldsProfileSection(const IniDocument& document) {
  for (const profile::ProfileSection section : profile::kProfileSections) {
    for (int index = 0; index < profile::SectionCount(section); ++index) {
      if (document.hasSection(profile::SectionName(section, index))) return true;
    }
  }
  return false;
}

}  // namespace zorkan
