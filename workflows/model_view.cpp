#include "workflows/model_view.h"

#include "settings/page_rules.h"

namespace zorkan {

void ModelView::CollectSettings() {
  TakeBackFromPages(settings_);
}

void ModelView::ShowSettings() {
  ApplyRangeRules(settings_);
}

FieldTexts ModelView::shownFieldTexts() const {
  return ShownFieldTexts(settings_);
}

std::vector<ListField> ModelView::listsWithoutSelection() const {
  return UnselectedLists(settings_);
}

}  // namespace zorkan
