// CMyPropertyPage2: the "Settings" page (dialog 105). It keeps one current
// mode, and every control shows a view of it.
#pragma once
#include <cstdint>
#include <vector>

#include "core/app_settings.h"
#include "core/display_mode.h"
#include "store/page_context.h"
#include "win/combo_box.h"
#include "win/property_page.h"
#include "win/scroll_bar.h"
#include "win/static_ctrl.h"

namespace vexel {

class CMyPropertyPage2 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage2(PageContext context);
  ~CMyPropertyPage2() override;

  // After a display change: reads the current mode again and shows it.
  bool TakeDisplayChange() override;
  void ShowDisplayChange() override { ShowCurrentMode(); }

  // Shows the current mode in every control, draws the colour sample and
  // marks the page modified.
  void ShowCurrentMode();
  // Shows the sample strip for the current depth.
  void DrawColorSample();

  // The mode every control shows; the apply step stores and sets it.
  DisplayMode m_CurrentMode{};
  // An application preset's options, taken over from the application list;
  // meaningful only while m_bAppSettingsPending is set, and stored on apply.
  AppSettings m_AppSettings;
  bool m_bAppSettingsPending = false;
  std::vector<int32_t> DesktopAreaWidths;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnApply() override;

 private:
  void ShowDesktopAreaPosition() const;

  PageContext m_context;

  win::CStatic m_colorSample;
  win::CScrollBar m_desktopArea;
  win::CComboBox m_color;
  win::CComboBox m_refresh;
  // The bitmap the sample static shows; released once it no longer does.
  HBITMAP m_hSampleBitmap = nullptr;
};

}  // namespace vexel
