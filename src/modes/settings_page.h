// CMyPropertyPage2: the "Settings" page (dialog 105). It keeps one current
// mode, and every control shows a view of it.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "modes/app_settings.h"
#include "core/display_mode.h"
#include "sheet/display_change_listener.h"
#include "sheet/page_context.h"
#include "win/animate_ctrl.h"
#include "win/combo_box.h"
#include "win/gdi.h"
#include "win/message_map.h"
#include "win/property_page.h"
#include "win/scroll_bar.h"
#include "win/static_ctrl.h"

namespace vexel {

class CMyPropertyPage2 : public win::CPropertyPage, public DisplayChangeListener {
 public:
  explicit CMyPropertyPage2(PageContext context);

  // After a display change: reads the current mode again, unless a list of
  // the page is open, whose answer then decides it; shows it later.
  void TakeDisplayChange() override;
  void ShowDisplayChange() override { ShowCurrentMode(); }

  // The mode every control shows; the apply step stores and sets it.
  const DisplayMode& CurrentMode() const { return m_CurrentMode; }
  // Takes a mode as the current one without showing it (ShowCurrentMode does).
  void SetCurrentMode(const DisplayMode& mode) { m_CurrentMode = mode; }

  // Refills the colour and refresh choices and the desktop areas from the
  // catalogue and shows the current desktop area; marks nothing modified.
  void RebuildModeControls();
  // Shows the current mode in every control, draws the colour sample and
  // marks the page modified.
  void ShowCurrentMode();
  // Shows the sample strip for the current depth.
  void DrawColorSample();

  // An application preset's options, taken over from the application list;
  // meaningful only while m_bAppSettingsPending is set, and stored on apply.
  AppSettings m_AppSettings;
  bool m_bAppSettingsPending = false;
  std::vector<int32_t> DesktopAreaWidths;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnApply() override;
  BOOL OnInitDialog() override;

 private:
  void OnListAllModes();
  void OnListApplications();
  void OnColorChanged();
  void OnRefreshChanged();
  void OnAdapterTypeChanged();
  LRESULT OnHScroll(const win::Msg& msg);
  LRESULT OnPaint(const win::Msg& msg);

  void PreselectAdapterType();
  void AddModeChoices();
  void ShowDesktopAreaPosition() const;
  bool AskCardMismatch() const;
  INT_PTR ShowList(win::CDialog& list);
  HBITMAP SampleBitmap(UINT id);

  PageContext m_context;
  DisplayMode m_CurrentMode{};

  win::CStatic m_colorSample;
  win::CStatic m_desktopAreaText;
  win::CScrollBar m_desktopArea;
  win::CComboBox m_adapterType;
  win::CComboBox m_color;
  win::CComboBox m_refresh;
  win::CAnimateCtrl m_animation;
  int m_nLastAdapter = -1;
  // "Current Adapter" or "Applications" is open.
  bool m_bListShown = false;
  // The three sample strips, loaded once each and kept while the static may
  // show them; the one shown now, 0 before the first.
  std::array<win::GdiObject<HBITMAP>, 3> m_sampleBitmaps;
  UINT m_nShownSample = 0;
};

}  // namespace vexel
