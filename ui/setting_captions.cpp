#include "ui/setting_captions.h"

#include <QCoreApplication>
#include <charconv>

#include "ui/core_text.h"

namespace zorkan {

namespace {

// Where the setting lives in `model`: the key table and the bindings each hand out the field.
const void* FieldOf(const profile::KeyPlace& place, DeviceSettings& model) {
  const void* field = nullptr;
  profile::VisitField(*place.key, [&](auto at) { field = at(model, place.index); });
  return field;
}

const void* FieldOf(const PageBinding& binding, DeviceSettings& model) {
  return std::visit([&](auto at) -> const void* { return at(model); }, binding.field);
}

// The item or mark `value` shows as, when taking it back gives `value` again.
std::optional<QString> ShownAs(const PageBinding& binding, std::int32_t value) {
  DeviceSettings model;
  *std::get<BoundInteger>(binding.field)(model) = value;
  DeviceSettings takenBack = model;
  if (binding.kind == BindingKind::Check) {
    const bool checked = BoundCheck(binding, model);
    TakeBackCheck(binding, takenBack, checked);
    if (takenBack != model) return std::nullopt;
    return checked ? QCoreApplication::translate("zorkan::SettingValueText", "да")
                   : QCoreApplication::translate("zorkan::SettingValueText", "нет");
  }
  const int index = BoundIndex(binding, model);
  if (index < 0 || index >= static_cast<int>(binding.items.texts.size())) return std::nullopt;
  TakeBackIndex(binding, takenBack, index);
  if (takenBack != model) return std::nullopt;
  return CoreText(binding.items.texts[static_cast<std::size_t>(index)]);
}

}  // namespace

QString SettingCaption(std::string_view section, std::string_view key) {
  return CoreText(profile::CaptionOfKey(section, key));
}

QString SettingValueText(std::string_view section, std::string_view key, const std::string& value) {
  const std::optional<profile::KeyPlace> place = profile::FindKeyPlace(section, key);
  const PageBinding* binding = place ? PageBindingOf(*place) : nullptr;
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (binding == nullptr || error != std::errc() || end != value.data() + value.size() ||
      !std::holds_alternative<BoundInteger>(binding->field)) {
    return QString::fromStdString(value);
  }
  return ShownAs(*binding, number).value_or(QString::fromStdString(value));
}

const PageBinding* PageBindingOf(const profile::KeyPlace& place) {
  DeviceSettings model;
  const void* field = FieldOf(place, model);
  for (const PageBinding& binding : PageBindings()) {
    if (FieldOf(binding, model) == field) return &binding;
  }
  return nullptr;
}

}  // namespace zorkan
