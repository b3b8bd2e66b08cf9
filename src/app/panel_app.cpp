#include "app/panel_app.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/property_sheet.h"
#include "sim/simulated_seams.h"

namespace vexel {

bool CVexelPanelApp::InitInstance() {
  // The three-dimensional look and the common controls the pages use.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  auto sheet = std::make_unique<CMyPropertySheet>(MakeSeams());
  sheet->DoModal();
  m_exitCode = sheet->ExitStatus();
  sheet.reset();
  return false;
}

}  // namespace vexel
