#include "settings/list_checks.h"

#include <string>
#include <string_view>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

constexpr std::string_view kChannel1 = OPERATOR_TEXT("Ошибка задания параметров канала 1.");
constexpr std::string_view kChannel2 = OPERATOR_TEXT("Ошибка задания параметров канала 2.");
constexpr std::string_view kGeneral = OPERATOR_TEXT("Ошибка задания общеприборных параметров.");

struct ListFieldText {
  std::string_view caption;
  std::string_view text;
};

ListFieldText TextOf(ListField field) {
  switch (field) {
    case ListField::SensorType1:
      return {kChannel1, OPERATOR_TEXT("Не выбран тип датчика.")};
    case ListField::SensorType2:
      return {kChannel2, OPERATOR_TEXT("Не выбран тип датчика.")};
    case ListField::Decimals1:
      return {kChannel1, OPERATOR_TEXT("Не выбрано число знаков после запятой.")};
    case ListField::Decimals2:
      return {kChannel2, OPERATOR_TEXT("Не выбрано число знаков после запятой.")};
    case ListField::Averaging1:
      return {kChannel1, OPERATOR_TEXT("Не выбрано число усреднений.")};
    case ListField::Averaging2:
      return {kChannel2, OPERATOR_TEXT("Не выбрано число усреднений.")};
    case ListField::Observations1:
      return {kChannel1, OPERATOR_TEXT("Не выбрано число наблюдений перед срабатыванием реле.")};
    case ListField::Observations2:
      return {kChannel2, OPERATOR_TEXT("Не выбрано число наблюдений перед срабатыванием реле.")};
    case ListField::PwmPeriod:
      return {kChannel1, OPERATOR_TEXT("Не выбран период ШИМ.")};
    case ListField::MaxPulse:
      return {kChannel1, OPERATOR_TEXT("Не выбрана максимальная длительность импульса.")};
    case ListField::ErrorDisplay:
      return {kGeneral, OPERATOR_TEXT("Не выбран вид отображения ошибки.")};
    case ListField::DeviceType:
      return {kGeneral, OPERATOR_TEXT("Не выбран тип прибора.")};
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
