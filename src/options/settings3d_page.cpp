#include "options/settings3d_page.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <utility>

#include "options/memory_text.h"
#include "options/value_name.h"
#include "resource.h"
#include "store/settings_key.h"
#include "win/data_exchange.h"

namespace vexel {
namespace {

// A check box and the driver value behind it, named by the string-table entry
// of the box's id. The Disable values stand behind captions that name the
// enabled feature, so their boxes show the opposite. The driver's tools read
// and write the values in fixed orders; each box keeps its place in both, so
// the registry sees the same sequence of changes.
struct OptionBox {
  UINT controlId;
  int32_t CMyPropertyPage3::*field;
  bool inverted;
  std::size_t loadPosition;
  std::size_t storePosition;
};

// Every box of the page, in the order of the data exchange. A new box is one
// row here (and a member) besides its control and value name in the resources.
constexpr OptionBox kOptionBoxes[] = {
    // clang-format off
    // control id                member                                   inverted load store
    {IDC_3D_ACCELERATE_OPENGL,   &CMyPropertyPage3::m_bAccelerateOpenGL,  true,    2,   0},
    {IDC_3D_DELTA_CHIP,          &CMyPropertyPage3::m_bDeltaChipEnabled,  true,    3,   1},
    {IDC_3D_GDI_DOUBLE_BUFFER,   &CMyPropertyPage3::m_bSupportGdiDouble,  false,   6,   4},
    {IDC_3D_EXPORT_STENCIL,      &CMyPropertyPage3::m_bExportStencil,     true,    7,   5},
    {IDC_3D_FORCE_SINGLE_BUFFER, &CMyPropertyPage3::m_bForceSingleBuffer, false,   5,   3},
    {IDC_3D_EXPORT_ALPHA,        &CMyPropertyPage3::m_bExportAlpha,       true,    4,   2},
    {IDC_3D_FAST_CLEAR,          &CMyPropertyPage3::m_bUseFastClear,      false,   0,   6},
    {IDC_3D_DISABLE_MIPMAPS,     &CMyPropertyPage3::m_bDisableMipMaps,    false,   1,   7},
    // clang-format on
};
constexpr std::size_t kOptionBoxCount = std::size(kOptionBoxes);
using OptionOrder = std::array<const OptionBox*, kOptionBoxCount>;

// The boxes in the order of their load or store positions.
constexpr OptionOrder InOrder(std::size_t OptionBox::*position) {
  OptionOrder ordered{};
  for (const OptionBox& box : kOptionBoxes) ordered[box.*position] = &box;
  return ordered;
}
constexpr OptionOrder kLoadOrder = InOrder(&OptionBox::loadPosition);
constexpr OptionOrder kStoreOrder = InOrder(&OptionBox::storePosition);
static_assert(std::ranges::find(kLoadOrder, nullptr) == kLoadOrder.end(), "each load position once");
static_assert(std::ranges::find(kStoreOrder, nullptr) == kStoreOrder.end(), "each store position once");

// The boxes' ids, whose clicks the message map sends to one handler.
constexpr std::array<UINT, kOptionBoxCount> kOptionBoxIds = [] {
  std::array<UINT, kOptionBoxCount> ids{};
  for (std::size_t i = 0; i < kOptionBoxCount; ++i) ids[i] = kOptionBoxes[i].controlId;
  return ids;
}();

// Both radios name the same value; the scheme is read and written through 1036's.
constexpr UINT kColorSchemeName = IDC_3D_RGB332;

uint32_t ValueToStore(const CMyPropertyPage3& page, const OptionBox& box) {
  const int32_t shown = page.*box.field;
  if (box.inverted) return shown == 0 ? 1 : 0;
  return static_cast<uint32_t>(shown);
}

}  // namespace

CMyPropertyPage3::CMyPropertyPage3(PageContext context)
    : CPropertyPage(IDD_3D_SETTINGS), m_context(std::move(context)) {
  static const win::MsgEntry<CMyPropertyPage3> kMessageMap[] = {
      win::OnCommandEach(BN_CLICKED, kOptionBoxIds, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_COLOR_INDEX, &CMyPropertyPage3::OnColorIndexClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_RGB332, &CMyPropertyPage3::OnRgb332Clicked),
  };
  SetMessageMap(kMessageMap);
}

void CMyPropertyPage3::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_3D_MEMORY, m_memory);
  win::DDX_Control(pDX, IDC_3D_ANIMATION, m_animate);
  for (const OptionBox& box : kOptionBoxes) win::DDX_Check(pDX, static_cast<int>(box.controlId), this->*box.field);
  // The radios only show the scheme: their clicks set it, so a stored scheme
  // other than 0 and 1 is written back as it was read unless one is clicked.
  if (!pDX->m_bSaveAndValidate) {
    int32_t radio = m_nColorScheme != 0 ? 1 : 0;
    win::DDX_Radio(pDX, IDC_3D_COLOR_INDEX, radio);
  }
}

BOOL CMyPropertyPage3::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const SheetState& state = m_context.state;
  m_memory.SetWindowText(MemoryText(state.m_DriverInfo, state.m_dwMemorySize));
  LoadValues();
  UpdateData(false);
  // With the autoplay style the clip starts at once and repeats without end.
  m_animate.Open(IDR_ANIMATION_CLIP);
  return TRUE;
}

// A value that cannot be read, or a key that cannot be opened, leaves its
// field as it was; a missing Disable value therefore shows its box checked.
void CMyPropertyPage3::LoadValues() {
  const SettingsKey key(*m_context.seams.registry, m_context.state.m_strRegistryPath);
  key.ReadDword(OptionValueName(kColorSchemeName), m_nColorScheme);
  for (const OptionBox* box : kLoadOrder) {
    int32_t& field = this->*box->field;
    key.ReadDword(OptionValueName(box->controlId), field);
    if (box->inverted) field = field == 0 ? 1 : 0;
  }
}

BOOL CMyPropertyPage3::OnSetActive() {
  EnableColorScheme();
  return CPropertyPage::OnSetActive();
}

void CMyPropertyPage3::EnableColorScheme() const {
  const CurrentModeReading current = m_context.ReadCurrentMode();
  if (current.running) m_context.markAboutModified();
  const bool palettized = current.mode.BitsPerPel == 8;
  ::EnableWindow(GetDlgItem(IDC_3D_COLOR_INDEX), palettized ? TRUE : FALSE);
  ::EnableWindow(GetDlgItem(IDC_3D_RGB332), palettized ? TRUE : FALSE);
}

// The framework has copied the boxes into their fields when the page was left
// or, for the current page, just before this apply.
BOOL CMyPropertyPage3::OnApply() {
  StoreValues();
  return CPropertyPage::OnApply();
}

// Every value is written whether it changed or not; the driver reads them all
// at its next start. What fails is told by the sheet once the apply is done.
void CMyPropertyPage3::StoreValues() {
  WriteFailures& failures = m_context.failures;
  SettingsKey key(*m_context.seams.registry, m_context.state.m_strRegistryPath);
  if (!key.IsOpen()) {
    failures.KeyNotOpened(key.Path(), key.OpenStatus());
    return;
  }
  key.WriteDword(OptionValueName(kColorSchemeName), static_cast<uint32_t>(m_nColorScheme), failures);
  for (const OptionBox* box : kStoreOrder) {
    key.WriteDword(OptionValueName(box->controlId), ValueToStore(*this, *box), failures);
  }
}

// The box's state reaches its field through the data exchange.
void CMyPropertyPage3::OnOptionClicked() { SetModified(); }

void CMyPropertyPage3::OnColorIndexClicked() {
  SetModified();
  m_nColorScheme = 0;
}

void CMyPropertyPage3::OnRgb332Clicked() {
  SetModified();
  m_nColorScheme = 1;
}

}  // namespace vexel
