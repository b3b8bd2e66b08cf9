// CMyPropertyPage5: the hidden "Advanced" page (dialog 108). It edits the
// driver's low-level hardware settings: the BIOS address flag, the PCI region
// and ROM addresses, the latency timer, the memory clock with the PLL values
// behind it, and three memory-controller registers. A setting at its neutral
// value is removed from the settings key rather than stored.
#pragma once
#include <array>
#include <cstdint>

#include "options/hex_edit.h"
#include "sheet/page_context.h"
#include "store/settings_key.h"
#include "win/animate_ctrl.h"
#include "win/message_map.h"
#include "win/property_page.h"
#include "win/spin_button_ctrl.h"

namespace vexel {

class CMyPropertyPage5 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage5(PageContext context);

  // The number of hexadecimal fields: three regions, the ROM and three registers.
  static constexpr size_t kHexFieldCount = 7;

  uint32_t m_dwLatencyTimer = 0;
  int32_t m_nMemoryClock = 50;
  int32_t m_bUseBiosAddresses = 0;
  // In the order of kHexFieldIds (advanced_page.cpp), which is the storing order.
  std::array<CHexEdit, kHexFieldCount> m_hexFields;
  win::CSpinButtonCtrl m_latencySpin;
  win::CSpinButtonCtrl m_memoryClockSpin;
  win::CAnimateCtrl m_animate;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

 private:
  void Load();
  void Store();
  void StoreMemoryClock(SettingsKey& key);
  // Stores the value, or deletes it when it is the neutral one.
  void StoreOrDelete(SettingsKey& key, UINT nameId, uint32_t value, uint32_t neutral);

  void OnChanged() { SetModified(); }

  PageContext m_context;
};

}  // namespace vexel
