#pragma once
// What an exchange started by the operator needs of the settings pages. The window implements it
// with its controls; the command line with the model alone (HeadlessPages).

#include <vector>

#include "settings/field_checks.h"
#include "settings/list_checks.h"

namespace zorkan {

class SettingsView {
 public:
  virtual ~SettingsView() = default;

  // Pages into the model, model onto the pages.
  virtual void CollectSettings() = 0;
  virtual void ShowSettings() = 0;
  // The texts of the checked number fields as they stand on the pages.
  virtual FieldTexts shownFieldTexts() const = 0;
  // The list fields that hold no selection.
  virtual std::vector<ListField> listsWithoutSelection() const = 0;
  // The group switches of the model are shown (the window checks its group boxes and recolours
  // the group panels).
  virtual void showGroupSelection() = 0;
};

}  // namespace zorkan
