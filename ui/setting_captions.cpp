#include "ui/setting_captions.h"

namespace zorkan {

namespace {

struct Caption {
  std::string_view section;
  std::string_view key;
  const char* caption;
};

// Channel 1 is the regulator of this edition, channel 2 its alarm setpoint; their first setpoint
// groups carry the regulator's and the alarm's captions.
constexpr Caption kCaptions[] = {
    {"CH1", "dat", "Тип датчика"},
    {"CH1", "diap_max", "Максимум"},
    {"CH1", "diap_min", "Минимум"},
    {"CH1", "flag", "Корнеизвлечение"},
    {"CH1", "adj", "Диапазон"},
    {"CH1", "shift", "Смещение (0)"},
    {"CH1", "th1", "Регулируемое значение"},
    {"CH1", "his1", "Зона"},
    {"CH1", "th_type1", "Тип уставки 1 канала 1"},
    {"CH1", "th2", "Коэффициент пропорциональности"},
    {"CH1", "his2", "Мин. длит. имп."},
    {"CH1", "th_type2", "Тип уставки 2 канала 1"},
    {"CH1", "ns", "Усреднение"},
    {"CH1", "search", "Число наблюдений канала 1"},
    {"CH1", "use", "Разрешение работы канала 1"},
    {"CH1", "point", "Знаков"},
    {"CH1", "spd_th", "Шаг изменения рег.знач."},
    {"CH1", "spd_his", "Шаг изм. з. ПИД упр."},
    {"CH1", "koef0", "Коэффициент полинома 0 канала 1"},
    {"CH1", "koef1", "T  дифф"},
    {"CH1", "koef2", "T инт"},
    {"CH1", "koef3", "Коэфф асимметрии"},
    {"CH1", "ver_rel_proc", "Логика реле канала 1"},
    {"CH1", "reg_int", "Период ШИМ"},
    {"CH1", "pulse_int", "Макс. длит. импульса"},
    {"CH2", "dat", "Тип датчика канала 2"},
    {"CH2", "diap_max", "Максимум диапазона канала 2"},
    {"CH2", "diap_min", "Минимум диапазона канала 2"},
    {"CH2", "flag", "Корнеизвлечение канала 2"},
    {"CH2", "adj", "Подстройка диапазона канала 2"},
    {"CH2", "shift", "Смещение канала 2"},
    {"CH2", "th1", "Величина уставки"},
    {"CH2", "his1", "Величина гистерезиса"},
    {"CH2", "th_type1", "Тип уставки"},
    {"CH2", "th2", "Уставка 2 канала 2"},
    {"CH2", "his2", "Гистерезис уставки 2 канала 2"},
    {"CH2", "th_type2", "Тип уставки 2 канала 2"},
    {"CH2", "ns", "Усреднение канала 2"},
    {"CH2", "search", "Число наблюдений перед срабатыванием"},
    {"CH2", "use", "Разрешение работы канала 2"},
    {"CH2", "point", "Знаков после запятой канала 2"},
    {"CH2", "spd_th", "Шаг изменения уставки канала 2"},
    {"CH2", "spd_his", "Шаг изменения гистерезиса канала 2"},
    {"CH2", "koef0", "Коэффициент полинома 0 канала 2"},
    {"CH2", "koef1", "Коэффициент полинома 1 канала 2"},
    {"CH2", "koef2", "Коэффициент полинома 2 канала 2"},
    {"CH2", "koef3", "Коэффициент полинома 3 канала 2"},
    {"CH2", "ver_rel_proc", "Логика реле канала 2"},
    {"CH2", "reg_int", "Интервал регулятора канала 2"},
    {"CH2", "pulse_int", "Импульс регулятора канала 2"},
    {"RELE", "rel0_msk0", "Назначение реле 1 (канал 1)"},
    {"RELE", "rel0_msk1", "Назначение реле 1 (канал 2)"},
    {"RELE", "rel1_msk0", "Назначение реле 2 (канал 1)"},
    {"RELE", "rel1_msk1", "Назначение реле 2 (канал 2)"},
    {"GEN", "proc_ver", "Тип прибора"},
    {"GEN", "otk_type", "Номер прибора"},
    {"ERR", "err_ver", "Отображение ошибки"},
};

}  // namespace

QString SettingCaption(std::string_view section, std::string_view key) {
  for (const Caption& caption : kCaptions) {
    if (caption.section == section && caption.key == key) return caption.caption;
  }
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + " " +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace zorkan
