#pragma once
// The shared workflows wired to the in-process simulator, with pages and exchange controls that
// record what was done to them.

#include <optional>
#include <string>
#include <vector>

#include "tests/support/settings_rig.h"
#include "workflows/exchange_context.h"
#include "workflows/headless_pages.h"

namespace zorkan::testing {

// The pages of HeadlessPages and the exchange controls, noting every call in order.
class RecordingView final : public SettingsView, public ExchangeControls {
 public:
  explicit RecordingView(DeviceSettings& settings) : pages_(settings) {}

  void CollectSettings() override {
    calls.push_back("collect");
    pages_.CollectSettings();
  }
  void ShowSettings() override {
    calls.push_back("show");
    pages_.ShowSettings();
  }
  FieldTexts shownFieldTexts() const override {
    return typedTexts ? *typedTexts : pages_.shownFieldTexts();
  }
  std::vector<ListField> listsWithoutSelection() const override {
    return pages_.listsWithoutSelection();
  }
  void showGroupSelection() override { calls.push_back("groups"); }
  void LockExchangeControls() override { calls.push_back("lock"); }
  void UnlockExchangeControls() override { calls.push_back("unlock"); }

  std::vector<std::string> calls;
  std::optional<FieldTexts> typedTexts;  // what an operator typed, instead of the shown model

 private:
  HeadlessPages pages_;
};

struct ExchangeRig : SettingsRig {
  explicit ExchangeRig(sim::SimulatorOptions options = {}) : SettingsRig(options) {
    // As a profile gives it, every list value with its item: a missing key leaves averaging at 0.
    for (ChannelSettings& channel : settings.channels) channel.averaging = 1;
  }

  RecordingView view{settings};
  ExchangeContext exchange{link, progress, latch, dialogs, view};
};

}  // namespace zorkan::testing
