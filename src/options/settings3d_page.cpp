#include "options/settings3d_page.h"

#include <utility>

#include "options/memory_text.h"
#include "options/value_name.h"
#include "resource.h"
#include "store/settings_key.h"
#include "win/data_exchange.h"

namespace vexel {
namespace {

// A check box and the driver value behind it. The Disable values stand behind
// captions that name the enabled feature, so their boxes show the opposite.
struct OptionBox {
  UINT controlId;
  int32_t CMyPropertyPage3::*field;
  bool inverted;
};

constexpr OptionBox kAccelerateOpenGL{IDC_3D_ACCELERATE_OPENGL, &CMyPropertyPage3::m_bAccelerateOpenGL, true};
constexpr OptionBox kDeltaChip{IDC_3D_DELTA_CHIP, &CMyPropertyPage3::m_bDeltaChipEnabled, true};
constexpr OptionBox kExportStencil{IDC_3D_EXPORT_STENCIL, &CMyPropertyPage3::m_bExportStencil, true};
constexpr OptionBox kExportAlpha{IDC_3D_EXPORT_ALPHA, &CMyPropertyPage3::m_bExportAlpha, true};
constexpr OptionBox kUseFastClear{IDC_3D_FAST_CLEAR, &CMyPropertyPage3::m_bUseFastClear, false};
constexpr OptionBox kSupportGdiDouble{IDC_3D_GDI_DOUBLE_BUFFER, &CMyPropertyPage3::m_bSupportGdiDouble, false};
constexpr OptionBox kForceSingleBuffer{IDC_3D_FORCE_SINGLE_BUFFER, &CMyPropertyPage3::m_bForceSingleBuffer, false};
constexpr OptionBox kDisableMipMaps{IDC_3D_DISABLE_MIPMAPS, &CMyPropertyPage3::m_bDisableMipMaps, false};

// The driver's tools read and write the values in these orders; kept, so the
// registry sees the same sequence of changes.
constexpr OptionBox kLoadOrder[] = {kUseFastClear, kDisableMipMaps,    kAccelerateOpenGL, kDeltaChip,
                                    kExportAlpha,  kForceSingleBuffer, kSupportGdiDouble, kExportStencil};
constexpr OptionBox kStoreOrder[] = {kAccelerateOpenGL, kDeltaChip,     kExportAlpha,  kForceSingleBuffer,
                                     kSupportGdiDouble, kExportStencil, kUseFastClear, kDisableMipMaps};

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
      win::OnCommand(BN_CLICKED, IDC_3D_ACCELERATE_OPENGL, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_DELTA_CHIP, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_EXPORT_STENCIL, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_EXPORT_ALPHA, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_FAST_CLEAR, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_GDI_DOUBLE_BUFFER, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_FORCE_SINGLE_BUFFER, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_DISABLE_MIPMAPS, &CMyPropertyPage3::OnOptionClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_COLOR_INDEX, &CMyPropertyPage3::OnColorIndexClicked),
      win::OnCommand(BN_CLICKED, IDC_3D_RGB332, &CMyPropertyPage3::OnRgb332Clicked),
  };
  SetMessageMap(kMessageMap);
}

void CMyPropertyPage3::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_3D_MEMORY, m_memory);
  win::DDX_Control(pDX, IDC_3D_ANIMATION, m_animate);
  win::DDX_Check(pDX, IDC_3D_ACCELERATE_OPENGL, m_bAccelerateOpenGL);
  win::DDX_Check(pDX, IDC_3D_DELTA_CHIP, m_bDeltaChipEnabled);
  win::DDX_Check(pDX, IDC_3D_GDI_DOUBLE_BUFFER, m_bSupportGdiDouble);
  win::DDX_Check(pDX, IDC_3D_EXPORT_STENCIL, m_bExportStencil);
  win::DDX_Check(pDX, IDC_3D_FORCE_SINGLE_BUFFER, m_bForceSingleBuffer);
  win::DDX_Check(pDX, IDC_3D_EXPORT_ALPHA, m_bExportAlpha);
  win::DDX_Check(pDX, IDC_3D_FAST_CLEAR, m_bUseFastClear);
  win::DDX_Check(pDX, IDC_3D_DISABLE_MIPMAPS, m_bDisableMipMaps);
}

BOOL CMyPropertyPage3::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const SheetState& state = m_context.state;
  m_memory.SetWindowText(MemoryText(state.m_DriverInfo, state.m_dwMemorySize));
  LoadValues();
  ShowColorScheme();
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
  for (const OptionBox& box : kLoadOrder) {
    int32_t& field = this->*box.field;
    key.ReadDword(OptionValueName(box.controlId), field);
    if (box.inverted) field = field == 0 ? 1 : 0;
  }
}

void CMyPropertyPage3::ShowColorScheme() const {
  CheckDlgButton(IDC_3D_RGB332, m_nColorScheme != 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_3D_COLOR_INDEX, m_nColorScheme == 0 ? BST_CHECKED : BST_UNCHECKED);
}

BOOL CMyPropertyPage3::OnSetActive() {
  EnableColorScheme();
  return CPropertyPage::OnSetActive();
}

void CMyPropertyPage3::EnableColorScheme() const {
  const std::string cardName = m_context.state.m_strCardName;
  const bool palettized = m_context.readCurrentMode(cardName).BitsPerPel == 8;
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
  for (const OptionBox& box : kStoreOrder) {
    key.WriteDword(OptionValueName(box.controlId), ValueToStore(*this, box), failures);
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
