#pragma once
// The pages of the main window's tab control, in their order.

namespace zorkan {

enum TabPage : int {
  kChannelsPage = 0,
  kRelaysPage = 1,
  kGeneralPage = 2,
  kCurrentValuesPage = 3,
  kConfigurationPage = 4,
  kChartPage = 5,
  kDirectControlPage = 6,
};

}  // namespace zorkan
