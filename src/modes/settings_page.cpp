#include "modes/settings_page.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>

#include "core/ascii_case.h"
#include "modes/best_fit.h"
#include "modes/card_mismatch_dialog.h"
#include "modes/mode_apply.h"
#include "modes/mode_catalogue.h"
#include "modes/mode_choices.h"
#include "modes/mode_list_dialog.h"
#include "modes/mode_texts.h"
#include "modes/settings_rules.h"
#include "modes/application_list_dialog.h"
#include "resource.h"
#include "win/data_exchange.h"
#include "win/module.h"

namespace vexel {
namespace {

constexpr std::array<UINT, 3> kSampleIds{IDB_COLOR_SAMPLE_PALETTE, IDB_COLOR_SAMPLE_HICOLOR,
                                         IDB_COLOR_SAMPLE_TRUECOLOR};

UINT SampleBitmapFor(int32_t bitsPerPel) {
  if (bitsPerPel == 8) return IDB_COLOR_SAMPLE_PALETTE;
  if (bitsPerPel == 32) return IDB_COLOR_SAMPLE_TRUECOLOR;
  return IDB_COLOR_SAMPLE_HICOLOR;
}

// Paints the bitmap over the whole client area of the static.
void StretchOver(HWND target, HBITMAP bitmap) {
  BITMAP size{};
  ::GetObjectA(bitmap, sizeof(size), &size);
  RECT client{};
  ::GetClientRect(target, &client);
  const win::ClientDC targetDc(target);
  const win::MemoryDC memoryDc(targetDc.Get());
  const win::SelectedObject selected(memoryDc.Get(), bitmap);
  ::StretchBlt(targetDc.Get(), 0, 0, client.right, client.bottom, memoryDc.Get(), 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
}

// Adds each distinct text once, unless an item already begins with it, and
// selects it when it stands for the current value. A text seen before needs
// no search of the list again.
class ChoiceFiller {
 public:
  explicit ChoiceFiller(const win::CComboBox& combo) : combo_(combo) {}
  void Offer(const std::string& text, bool current) {
    if (!seen_.insert(text).second || combo_.FindString(-1, text) != CB_ERR) return;
    combo_.AddString(text);
    if (current) combo_.SelectString(-1, text);
  }

 private:
  const win::CComboBox& combo_;
  std::set<std::string> seen_;
};

}  // namespace

CMyPropertyPage2::CMyPropertyPage2(PageContext context) : CPropertyPage(IDD_SETTINGS), m_context(std::move(context)) {
  static const win::MsgEntry<CMyPropertyPage2> kMessageMap[] = {
      win::OnCommand(BN_CLICKED, IDC_SETTINGS_LIST_MODES, &CMyPropertyPage2::OnListAllModes),
      win::OnCommand(BN_CLICKED, IDC_SETTINGS_LIST_APPLICATIONS, &CMyPropertyPage2::OnListApplications),
      win::OnCommand(CBN_SELCHANGE, IDC_SETTINGS_COLOR, &CMyPropertyPage2::OnColorChanged),
      win::OnCommand(CBN_SELCHANGE, IDC_SETTINGS_REFRESH, &CMyPropertyPage2::OnRefreshChanged),
      win::OnCommand(CBN_SELCHANGE, IDC_SETTINGS_ADAPTER_TYPE, &CMyPropertyPage2::OnAdapterTypeChanged),
      win::OnMessage(WM_HSCROLL, &CMyPropertyPage2::OnHScroll),
      win::OnMessage(WM_PAINT, &CMyPropertyPage2::OnPaint),
  };
  SetMessageMap(kMessageMap);
}

void CMyPropertyPage2::TakeDisplayChange() {
  if (m_bListShown) return;
  const CurrentModeReading current = m_context.ReadCurrentMode();
  if (current.running) m_context.markAboutModified();
  m_CurrentMode = current.mode;
}

void CMyPropertyPage2::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_SETTINGS_COLOR_SAMPLE, m_colorSample);
  win::DDX_Control(pDX, IDC_SETTINGS_DESKTOP_AREA, m_desktopArea);
  win::DDX_Control(pDX, IDC_SETTINGS_ADAPTER_TYPE, m_adapterType);
  win::DDX_Control(pDX, IDC_SETTINGS_COLOR, m_color);
  win::DDX_Control(pDX, IDC_SETTINGS_REFRESH, m_refresh);
  win::DDX_Control(pDX, IDC_SETTINGS_DESKTOP_AREA_TEXT, m_desktopAreaText);
  win::DDX_Control(pDX, IDC_SETTINGS_ANIMATION, m_animation);
}

BOOL CMyPropertyPage2::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  RebuildModeControls();
  PreselectAdapterType();
  const SheetState& state = m_context.state;
  ::EnableWindow(GetDlgItem(IDC_SETTINGS_LIST_APPLICATIONS),
                 ApplicationListAvailable(state.m_strCardName, state.m_DriverInfo.VendorId()) ? TRUE : FALSE);
  m_nLastAdapter = m_adapterType.GetCurSel();
  DrawColorSample();
  UpdateData(false);
  m_animation.Open(IDR_ANIMATION_CLIP);
  return TRUE;
}

// A card name being installed counts as a change, so OK and Apply are
// available at once.
void CMyPropertyPage2::PreselectAdapterType() {
  const SheetState& state = m_context.state;
  const auto prefix = AdapterTypePrefix(state.m_strCardName, state.m_bDriverAnswered, state.m_DriverInfo.BoardModel());
  if (!prefix) return;
  m_adapterType.SelectString(-1, *prefix);
  if (!state.m_strCardName.empty()) SetModified();
}

void CMyPropertyPage2::RebuildModeControls() {
  if (!m_hWnd) return;
  m_refresh.ResetContent();
  m_color.ResetContent();
  const ModeCatalogue& catalogue = m_context.state.ModeCatalogue;
  CheckCurrentMode(catalogue, m_CurrentMode);
  AddModeChoices();
  DesktopAreaWidths = BuildDesktopAreaWidths(catalogue);
  ShowDesktopAreaPosition();
  m_desktopAreaText.SetWindowText(DesktopAreaText(m_CurrentMode));
}

void CMyPropertyPage2::AddModeChoices() {
  ChoiceFiller refreshes(m_refresh);
  ChoiceFiller colors(m_color);
  for (const DisplayMode& mode : m_context.state.ModeCatalogue) {
    refreshes.Offer(RefreshText(mode.DisplayFrequency), mode.DisplayFrequency == m_CurrentMode.DisplayFrequency);
    colors.Offer(ColorText(mode.BitsPerPel), mode.BitsPerPel == m_CurrentMode.BitsPerPel);
  }
}

BOOL CMyPropertyPage2::OnApply() {
  const AppSettings* pending = m_bAppSettingsPending ? &m_AppSettings : nullptr;
  return ApplyDisplayMode(m_context, {m_CurrentMode, pending, m_hWnd, GetSheetWindow()},
                          [this] { return CPropertyPage::OnApply(); });
}

void CMyPropertyPage2::ShowCurrentMode() {
  if (!m_hWnd) return;
  m_desktopAreaText.SetWindowText(DesktopAreaText(m_CurrentMode));
  ShowDesktopAreaPosition();
  m_refresh.SelectString(-1, RefreshKey(m_CurrentMode.DisplayFrequency));
  m_color.SelectString(-1, ColorKey(m_CurrentMode.BitsPerPel));
  DrawColorSample();
  SetModified();
}

// The scroll bar runs over the desktop areas; its thumb stays where it was
// when the current width is not among them.
void CMyPropertyPage2::ShowDesktopAreaPosition() const {
  m_desktopArea.SetScrollRange(0, static_cast<int>(DesktopAreaWidths.size()) - 1, false);
  const auto found = std::ranges::find(DesktopAreaWidths, m_CurrentMode.PelsWidth);
  if (found != DesktopAreaWidths.end()) {
    m_desktopArea.SetScrollPos(static_cast<int>(found - DesktopAreaWidths.begin()));
  }
}

HBITMAP CMyPropertyPage2::SampleBitmap(UINT id) {
  const auto slot = static_cast<size_t>(std::ranges::find(kSampleIds, id) - kSampleIds.begin());
  auto& bitmap = m_sampleBitmaps[slot];
  if (!bitmap) bitmap.Reset(::LoadBitmapA(win::ResourceModule(), MAKEINTRESOURCEA(id)));
  return bitmap.Get();
}

// Only a change of strip is drawn: repainting an unchanged one would make
// the sample flicker on every paint of the page.
void CMyPropertyPage2::DrawColorSample() {
  if (!m_hWnd) return;
  const UINT id = SampleBitmapFor(m_CurrentMode.BitsPerPel);
  if (id == m_nShownSample) return;
  HBITMAP bitmap = SampleBitmap(id);
  if (!bitmap) return;
  m_nShownSample = id;
  m_colorSample.SetBitmap(bitmap);
  HWND sample = m_colorSample.GetSafeHwnd();
  StretchOver(sample, bitmap);
  ::InvalidateRect(sample, nullptr, TRUE);
  ::RedrawWindow(sample, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

LRESULT CMyPropertyPage2::OnPaint(const win::Msg&) {
  const win::PaintDC paint(m_hWnd);
  DrawColorSample();
  return 0;
}

// A "changed" notification without a selected item changes nothing.
void CMyPropertyPage2::OnColorChanged() {
  const int selected = m_color.GetCurSel();
  if (selected == CB_ERR) return;
  const ModeCatalogue& catalogue = m_context.state.ModeCatalogue;
  m_CurrentMode.BitsPerPel = LookupColor(catalogue, m_color.GetLBText(selected), m_CurrentMode.BitsPerPel);
  m_CurrentMode = FitByColor(catalogue, m_CurrentMode);
  ShowCurrentMode();
}

void CMyPropertyPage2::OnRefreshChanged() {
  const int selected = m_refresh.GetCurSel();
  if (selected == CB_ERR) return;
  const ModeCatalogue& catalogue = m_context.state.ModeCatalogue;
  m_CurrentMode.DisplayFrequency =
      LookupRefresh(catalogue, m_refresh.GetLBText(selected), m_CurrentMode.DisplayFrequency);
  m_CurrentMode = FitByRefresh(catalogue, m_CurrentMode);
  ShowCurrentMode();
}

LRESULT CMyPropertyPage2::OnHScroll(const win::Msg& msg) {
  if (reinterpret_cast<HWND>(msg.lParam) != m_desktopArea.GetSafeHwnd()) return 0;
  const auto position = DesktopAreaScrollPosition(LOWORD(msg.wParam), m_desktopArea.GetScrollPos(),
                                                  static_cast<int>(DesktopAreaWidths.size()), HIWORD(msg.wParam));
  if (!position) return 0;
  m_desktopArea.SetScrollPos(*position);
  m_CurrentMode.PelsWidth = DesktopAreaWidths[static_cast<size_t>(*position)];
  m_CurrentMode = FitByWidth(m_context.state.ModeCatalogue, m_CurrentMode);
  ShowCurrentMode();
  return 0;
}

bool CMyPropertyPage2::AskCardMismatch() const {
  CCardMismatchDialog question(GetSheetWindow());
  return question.DoModal() == IDOK;
}

void CMyPropertyPage2::OnAdapterTypeChanged() {
  SheetState& state = m_context.state;
  if (!state.m_strCardName.empty() && !AskCardMismatch()) m_adapterType.SetCurSel(m_nLastAdapter);
  const int selected = m_adapterType.GetCurSel();
  if (selected != m_nLastAdapter) {
    FillModeCatalogue(state.ModeCatalogue, AsciiUpperCased(m_adapterType.GetLBText(selected)),
                      *m_context.seams.display);
    RebuildModeControls();
    OnColorChanged();
  }
  m_nLastAdapter = selected;
}

// The sheet shows a display change that comes while a list is open once the
// list has closed, with the mode the list's answer leaves.
INT_PTR CMyPropertyPage2::ShowList(win::CDialog& list) {
  m_bListShown = true;
  const INT_PTR answer = list.DoModal();
  m_bListShown = false;
  return answer;
}

void CMyPropertyPage2::OnListAllModes() {
  CModeListDialog list(m_context.state.ModeCatalogue);
  if (ShowList(list) != IDOK) return;
  m_CurrentMode = list.m_ChosenMode;
  ShowCurrentMode();
}

// A preset's refresh of 0 keeps the refresh currently chosen.
void CMyPropertyPage2::OnListApplications() {
  const SheetState& state = m_context.state;
  CApplicationListDialog list(state.m_dwMemorySize, state.m_DriverInfo.LocalBufferWidth(), *m_context.seams.registry,
                              state.m_strRegistryPath);
  if (ShowList(list) != IDOK) return;
  DisplayMode chosen = list.m_ChosenMode;
  if (chosen.DisplayFrequency == 0) chosen.DisplayFrequency = m_CurrentMode.DisplayFrequency;
  m_CurrentMode = chosen;
  ShowCurrentMode();
  m_AppSettings = list.m_ChosenSettings;
  m_bAppSettingsPending = true;
}

}  // namespace vexel
