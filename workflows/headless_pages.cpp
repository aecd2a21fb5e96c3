#include "workflows/headless_pages.h"

#include "settings/page_rules.h"

namespace zorkan {

void HeadlessPages::CollectSettings() {
  TakeBackFromPages(settings_);
}

void HeadlessPages::ShowSettings() {
  ApplyRangeRules(settings_);
}

FieldTexts HeadlessPages::shownFieldTexts() const {
  return ShownFieldTexts(settings_);
}

std::vector<ListField> HeadlessPages::listsWithoutSelection() const {
  return UnselectedLists(settings_);
}

}  // namespace zorkan
