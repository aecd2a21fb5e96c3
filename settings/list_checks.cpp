#include "settings/list_checks.h"

#include <string>
#include <string_view>

namespace zorkan {

namespace {

constexpr std::string_view kChannel1 = "Ошибка задания параметров канала 1.";
constexpr std::string_view kChannel2 = "Ошибка задания параметров канала 2.";
constexpr std::string_view kGeneral = "Ошибка задания общеприборных параметров.";

struct ListFieldText {
  std::string_view caption;
  std::string_view text;
};

ListFieldText TextOf(ListField field) {
  switch (field) {
    case ListField::SensorType1:
      return {kChannel1, "Не выбран тип датчика."};
    case ListField::SensorType2:
      return {kChannel2, "Не выбран тип датчика."};
    case ListField::Decimals1:
      return {kChannel1, "Не выбрано число знаков после запятой."};
    case ListField::Decimals2:
      return {kChannel2, "Не выбрано число знаков после запятой."};
    case ListField::Averaging1:
      return {kChannel1, "Не выбрано число усреднений."};
    case ListField::Averaging2:
      return {kChannel2, "Не выбрано число усреднений."};
    case ListField::Observations1:
      return {kChannel1, "Не выбрано число наблюдений перед срабатыванием реле."};
    case ListField::Observations2:
      return {kChannel2, "Не выбрано число наблюдений перед срабатыванием реле."};
    case ListField::PwmPeriod:
      return {kChannel1, "Не выбран период ШИМ."};
    case ListField::MaxPulse:
      return {kChannel1, "Не выбрана максимальная длительность импульса."};
    case ListField::ErrorDisplay:
      return {kGeneral, "Не выбран вид отображения ошибки."};
    case ListField::DeviceType:
      return {kGeneral, "Не выбран тип прибора."};
  }
  return {kGeneral, ""};
}

}  // namespace

LinkError checkListSelections(std::span<const ListField> unselected, OperatorDialogs& dialogs) {
  if (unselected.empty()) return kOk;
  const ListFieldText box = TextOf(unselected.front());
  ShowMessage(dialogs, std::string(box.caption), std::string(box.text), DialogIcon::Error);
  return kStoppedToCorrect;
}

}  // namespace zorkan
