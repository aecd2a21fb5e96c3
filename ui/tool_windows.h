#pragma once
// The tool's two windows in the order the program creates them: the main window first (it is the
// application's main window), then the report page it fills. The main window is shown at once.

#include "link/clock.h"
#include "link/serial_port.h"
#include "report/report_page.h"
#include "ui/main_window.h"
#include "ui/window_language.h"

namespace zorkan {

struct ToolWindows {
  ToolWindows(SerialPort& port, const Clock& clock, WindowLanguage& language)
      : form1(port, clock, language), form6(&form1) {
    form1.setReportPage(form6);
    form1.show();
  }

  TForm1 form1;
  TForm6 form6;
};

}  // namespace zorkan
