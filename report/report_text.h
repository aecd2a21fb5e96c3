#pragma once
// The texts of the configuration report, made from the model alone: the date line, the
// instrument's number line and the body. The printable page lays them out twice on one sheet.

#include <string>
#include <vector>

#include "link/clock.h"
#include "settings/device_settings.h"

namespace zorkan {

struct ReportText {
  std::string dateLine;    // "Дата печати 7.3.2024"
  std::string numberLine;  // the device type's prefix, then "047-1234"
  std::vector<std::string> body;
};

// A device type the report has no layout for gives only the date line: leaving another
// instrument's numbers over an empty body would print them for the wrong instrument.
ReportText BuildReportText(const DeviceSettings& settings, const LocalTime& date);

}  // namespace zorkan
