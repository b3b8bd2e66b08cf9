#include "options/advanced_page.h"

#include <utility>

#include "options/hex_number.h"
#include "options/memory_clock.h"
#include "options/value_name.h"
#include "resource.h"
#include "store/value_names.h"
#include "win/data_exchange.h"

namespace vexel {
namespace {

// The hexadecimal fields in the order their values are read and stored; each
// control's id is also the id of its value's name.
constexpr UINT kHexFieldIds[CMyPropertyPage5::kHexFieldCount] = {
    IDC_ADVANCED_REGION0,    IDC_ADVANCED_REGION1,    IDC_ADVANCED_REGION2,     IDC_ADVANCED_ROM_BASE,
    IDC_ADVANCED_LB_MEM_CTL, IDC_ADVANCED_FB_MEM_CTL, IDC_ADVANCED_FB_MODE_SEL,
};

// The clock the stored PLL values give; the driver's default when any is missing.
int32_t ReadMemoryClock(const SettingsKey& key) {
  MemoryClockPll stored;
  if (!key.ReadDword(names::kMClkN, stored.n) || !key.ReadDword(names::kMClkM, stored.m) ||
      !key.ReadDword(names::kMClkP, stored.p)) {
    return kDefaultMemoryClock;
  }
  return MemoryClockFromPll(stored);
}

}  // namespace

CMyPropertyPage5::CMyPropertyPage5(PageContext context) : CPropertyPage(IDD_ADVANCED), m_context(std::move(context)) {
  static const win::MsgEntry<CMyPropertyPage5> kMessageMap[] = {
      win::OnCommand(BN_CLICKED, IDC_ADVANCED_USE_BIOS, &CMyPropertyPage5::OnChanged),
      win::OnCommand(EN_CHANGE, IDC_ADVANCED_LATENCY, &CMyPropertyPage5::OnChanged),
      win::OnCommand(EN_CHANGE, IDC_ADVANCED_MCLK, &CMyPropertyPage5::OnChanged),
      // The hexadecimal fields keep their change notification to themselves.
      win::OnCommandEach(EN_UPDATE, kHexFieldIds, &CMyPropertyPage5::OnChanged),
  };
  SetMessageMap(kMessageMap);
}

void CMyPropertyPage5::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_ADVANCED_ANIMATION, m_animate);
  win::DDX_Control(pDX, IDC_ADVANCED_LATENCY_SPIN, m_latencySpin);
  win::DDX_Control(pDX, IDC_ADVANCED_MCLK_SPIN, m_memoryClockSpin);
  for (size_t i = 0; i < kHexFieldCount; ++i) win::DDX_Control(pDX, static_cast<int>(kHexFieldIds[i]), m_hexFields[i]);
  win::DDX_Text(pDX, IDC_ADVANCED_LATENCY, m_dwLatencyTimer);
  win::DDV_MinMaxUInt(pDX, m_dwLatencyTimer, 0, 255);
  win::DDX_Text(pDX, IDC_ADVANCED_MCLK, m_nMemoryClock);
  // The up-down control steps to 80 only; up to 100 can be typed.
  win::DDV_MinMaxInt(pDX, m_nMemoryClock, 20, 100);
  win::DDX_Check(pDX, IDC_ADVANCED_USE_BIOS, m_bUseBiosAddresses);
}

BOOL CMyPropertyPage5::OnInitDialog() {
  // Showing what is stored changes nothing.
  const ProgramUpdate loading(*this);
  CPropertyPage::OnInitDialog();
  m_latencySpin.SetRange(0, 255);
  m_memoryClockSpin.SetRange(20, 80);
  Load();
  UpdateData(false);
  m_animate.Open(IDR_ANIMATION_CLIP);
  return TRUE;
}

BOOL CMyPropertyPage5::OnApply() {
  Store();
  return CPropertyPage::OnApply();
}

void CMyPropertyPage5::Load() {
  const SettingsKey key(*m_context.seams.registry, m_context.state.m_strRegistryPath);
  key.ReadDword(OptionValueName(IDS_VALUE_USE_BIOS_ADDRESSES), m_bUseBiosAddresses);
  for (size_t i = 0; i < kHexFieldCount; ++i) {
    uint32_t value = 0;
    key.ReadDword(OptionValueName(kHexFieldIds[i]), value);
    m_hexFields[i].SetWindowText(HexText(value));
  }
  // The clock shown is what the PLL values give, whatever "ClockSpeed" says.
  m_nMemoryClock = ReadMemoryClock(key);
  key.ReadDword(OptionValueName(IDS_VALUE_LATENCY_TIMER), m_dwLatencyTimer);
}

// An apply whose key cannot be opened stores nothing, and the user is told.
void CMyPropertyPage5::Store() {
  SettingsKey key(*m_context.seams.registry, m_context.state.m_strRegistryPath);
  if (!key.IsOpen()) {
    m_context.failures.KeyNotOpened(key.Path(), key.OpenStatus());
    return;
  }
  StoreOrDelete(key, IDS_VALUE_USE_BIOS_ADDRESSES, static_cast<uint32_t>(m_bUseBiosAddresses), 0);
  for (size_t i = 0; i < kHexFieldCount; ++i) {
    StoreOrDelete(key, kHexFieldIds[i], ParseHexNumber(m_hexFields[i].GetWindowText()), 0);
  }
  StoreMemoryClock(key);
  StoreOrDelete(key, IDS_VALUE_LATENCY_TIMER, m_dwLatencyTimer, 0);
}

void CMyPropertyPage5::StoreMemoryClock(SettingsKey& key) {
  const auto clock = static_cast<uint32_t>(m_nMemoryClock);
  StoreOrDelete(key, IDS_VALUE_CLOCK_SPEED, clock, kDefaultMemoryClock);
  WriteFailures& failures = m_context.failures;
  if (m_nMemoryClock == kDefaultMemoryClock) {
    // Without PLL values the driver runs the memory at its default clock.
    for (const char* name : {names::kMClkN, names::kMClkM, names::kMClkP}) key.Delete(name, failures);
    return;
  }
  const MemoryClockPll pll = PllForMemoryClock(m_nMemoryClock);
  key.WriteDword(names::kMClkN, pll.n, failures);
  key.WriteDword(names::kMClkM, pll.m, failures);
  key.WriteDword(names::kMClkP, pll.p, failures);
}

void CMyPropertyPage5::StoreOrDelete(SettingsKey& key, UINT nameId, uint32_t value, uint32_t neutral) {
  const std::string name = OptionValueName(nameId);
  if (value != neutral) {
    key.WriteDword(name, value, m_context.failures);
  } else {
    key.DeleteIfReadable(name, m_context.failures);
  }
}

}  // namespace vexel
