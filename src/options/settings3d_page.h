// CMyPropertyPage3: the "3D Settings" page (dialog 106). It shows how the
// board's memory is laid out and edits nine of the display driver's option
// values: the 8-bit colour scheme and eight switches of its OpenGL support.
// It reads them when first shown and writes all of them back on every apply.
#pragma once
#include <cstdint>

#include "sheet/page_context.h"
#include "win/animate_ctrl.h"
#include "win/message_map.h"
#include "win/property_page.h"
#include "win/static_ctrl.h"

namespace vexel {

class CMyPropertyPage3 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage3(PageContext context);

  // 0 the colour-index (palette) scheme, 1 the 3-3-2 RGB scheme, in 8-bit modes.
  int32_t m_nColorScheme = 1;
  // The check boxes' states: 1 checked, 0 clear.
  int32_t m_bAccelerateOpenGL = 0;
  int32_t m_bDeltaChipEnabled = 0;
  int32_t m_bSupportGdiDouble = 0;
  int32_t m_bExportStencil = 0;
  int32_t m_bForceSingleBuffer = 0;
  int32_t m_bExportAlpha = 0;
  int32_t m_bUseFastClear = 1;
  int32_t m_bDisableMipMaps = 0;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;
  BOOL OnSetActive() override;

 private:
  void LoadValues();
  void StoreValues();
  // The colour scheme matters in 8-bit modes only.
  void EnableColorScheme() const;

  void OnOptionClicked();
  void OnColorIndexClicked();
  void OnRgb332Clicked();

  PageContext m_context;
  win::CStatic m_memory;
  win::CAnimateCtrl m_animate;
};

}  // namespace vexel
