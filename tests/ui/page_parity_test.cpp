// The window's settings pages and the headless pages of zorkan-cli take a model through the pages
// alike: were they to drift apart, the window and the command line would give an instrument
// different values for the same profile.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <limits>
#include <memory>
#include <random>
#include <variant>

#include "operator/progress.h"
#include "profiles/profile.h"
#include "profiles/profile_keys.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/settings_printer.h"
#include "ui/settings_pages.h"
#include "ui_main_window.h"
#include "workflows/headless_pages.h"

namespace zorkan {

void PrintTo(const FieldTexts& texts, std::ostream* out) {
  for (const std::string* text :
       {&texts.rangeMin, &texts.serialNumber, &texts.rangeMax, &texts.offset, &texts.rangeAdjust,
        &texts.setpoint1, &texts.setpoint2, &texts.hysteresis1, &texts.hysteresis2,
        &texts.setpointStep, &texts.hysteresisStep}) {
    *out << '"' << *text << "\" ";
  }
  for (const std::string& text : texts.polynomial) *out << '"' << text << "\" ";
}

namespace {

// What a model comes back as after showing the pages and taking them back, and what the checks
// before a write see on them in between.
struct Passage {
  DeviceSettings model;
  FieldTexts texts;
  std::vector<ListField> unselected;
};

Passage ThroughPages(SettingsView& pages, DeviceSettings& settings, const DeviceSettings& model) {
  settings = model;
  pages.ShowSettings();
  Passage passage;
  passage.texts = pages.shownFieldTexts();
  passage.unselected = pages.listsWithoutSelection();
  pages.CollectSettings();
  passage.model = settings;
  return passage;
}

class WindowPages {
 public:
  WindowPages() {
    ui_.setupUi(&window_);
    pages_ = std::make_unique<SettingsPages>(ui_, settings_, linkSettings_, dialogs_, latch_);
    pages_->FillLists();
  }
  Passage through(const DeviceSettings& model) { return ThroughPages(*pages_, settings_, model); }
  const testing::RecordingDialogs& dialogs() const { return dialogs_; }

 private:
  QMainWindow window_;
  Ui::TForm1 ui_;
  DeviceSettings settings_;
  LinkSettings linkSettings_;
  testing::RecordingDialogs dialogs_;
  CancelLatch latch_;
  std::unique_ptr<SettingsPages> pages_;
};

Passage ThroughHeadlessPages(const DeviceSettings& model) {
  DeviceSettings settings;
  HeadlessPages pages(settings);
  return ThroughPages(pages, settings, model);
}

// Every number of a profile drawn at random: mostly near and inside the lists and ranges, often
// far outside them, reals from tiny to the largest a float holds; and the values only the
// instrument gives.
DeviceSettings RandomModel(std::mt19937& random) {
  const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
  const auto integer = [&]() -> std::int32_t {
    if (chance(0.25)) return std::uniform_int_distribution<std::int32_t>(-1, 2)(random);
    if (chance(0.5)) return std::uniform_int_distribution<std::int32_t>(-2, 300)(random);
    return std::uniform_int_distribution<std::int32_t>(
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max())(random);
  };
  const auto real = [&]() -> float {
    constexpr float kLargest = std::numeric_limits<float>::max();
    if (chance(0.1)) return chance(0.5) ? kLargest : -kLargest;
    if (chance(0.1)) return std::uniform_real_distribution<float>(-1e-4f, 1e-4f)(random);
    if (chance(0.2)) return std::uniform_real_distribution<float>(-1e9f, 1e9f)(random);
    return std::uniform_real_distribution<float>(-2000.0f, 2000.0f)(random);
  };
  DeviceSettings model;
  for (const profile::ProfileKey& key : profile::kProfileKeys) {
    const int count = key.section == profile::ProfileSection::Channel    ? kChannelCount
                      : key.section == profile::ProfileSection::DatBound ? kSensorTypeCount
                                                                         : 1;
    for (int index = 0; index < count; ++index) {
      if (const auto* field = std::get_if<profile::IntegerField>(&key.field)) {
        *(*field)(model, index) = integer();
      } else if (const auto* field = std::get_if<profile::RealField>(&key.field)) {
        *(*field)(model, index) = real();
      }
    }
  }
  for (std::int32_t* value :
       {&model.general.firmwareVersion, &model.general.serialNumber, &model.general.manufactureDay,
        &model.general.manufactureMonth, &model.general.manufactureYear}) {
    *value = integer();
  }
  return model;
}

void ExpectSamePassage(WindowPages& window, const DeviceSettings& model) {
  const Passage windowPassage = window.through(model);
  const Passage headlessPassage = ThroughHeadlessPages(model);
  EXPECT_EQ(windowPassage.model, headlessPassage.model);
  EXPECT_EQ(windowPassage.texts, headlessPassage.texts);
  EXPECT_EQ(windowPassage.unselected, headlessPassage.unselected);
}

TEST(PageBindings, WindowAndHeadlessPagesNeverDriftApart) {
  WindowPages window;
  testing::ScratchFolder folder;
  DeviceSettings defaultProfile;
  ASSERT_TRUE(LoadProfile(folder / "new.prf", defaultProfile));
  DeviceSettings builtinProfile;
  ASSERT_TRUE(WriteBuiltinProfile(folder.path()));
  ASSERT_TRUE(LoadProfile(BuiltinProfilePath(folder.path()), builtinProfile));
  for (const DeviceSettings& model : {DeviceSettings{}, defaultProfile, builtinProfile}) {
    ExpectSamePassage(window, model);
  }
  std::mt19937 random(20261208);
  for (int round = 0; round < 300 && !HasFailure(); ++round) {
    SCOPED_TRACE("random model " + std::to_string(round));
    ExpectSamePassage(window, RandomModel(random));
  }
  EXPECT_TRUE(window.dialogs().shown.empty());
}

}  // namespace
}  // namespace zorkan
