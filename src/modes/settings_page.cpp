#include "modes/settings_page.h"

#include <algorithm>
#include <utility>

#include "modes/mode_apply.h"
#include "modes/mode_texts.h"
#include "resource.h"
#include "win/data_exchange.h"
#include "win/module.h"

namespace vexel {
namespace {

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
  HDC targetDc = ::GetDC(target);
  HDC memoryDc = ::CreateCompatibleDC(targetDc);
  HGDIOBJ previous = ::SelectObject(memoryDc, bitmap);
  ::StretchBlt(targetDc, 0, 0, client.right, client.bottom, memoryDc, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  ::SelectObject(memoryDc, previous);
  ::DeleteDC(memoryDc);
  ::ReleaseDC(target, targetDc);
}

}  // namespace

CMyPropertyPage2::CMyPropertyPage2(PageContext context) : CPropertyPage(IDD_SETTINGS), m_context(std::move(context)) {}

bool CMyPropertyPage2::TakeDisplayChange() {
  m_CurrentMode = m_context.readCurrentMode(m_context.state.m_strCardName);
  return true;
}

CMyPropertyPage2::~CMyPropertyPage2() {
  if (m_hSampleBitmap) ::DeleteObject(m_hSampleBitmap);
}

void CMyPropertyPage2::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_SETTINGS_COLOR_SAMPLE, m_colorSample);
  win::DDX_Control(pDX, IDC_SETTINGS_DESKTOP_AREA, m_desktopArea);
  win::DDX_Control(pDX, IDC_SETTINGS_COLOR, m_color);
  win::DDX_Control(pDX, IDC_SETTINGS_REFRESH, m_refresh);
}

BOOL CMyPropertyPage2::OnApply() {
  const AppSettings* pending = m_bAppSettingsPending ? &m_AppSettings : nullptr;
  return ApplyDisplayMode(m_context, {m_CurrentMode, pending, m_hWnd, GetSheetWindow()},
                          [this] { return CPropertyPage::OnApply(); });
}

void CMyPropertyPage2::ShowCurrentMode() {
  if (!m_hWnd) return;
  SetDlgItemText(IDC_SETTINGS_DESKTOP_AREA_TEXT, DesktopAreaText(m_CurrentMode));
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
  const auto found = std::find(DesktopAreaWidths.begin(), DesktopAreaWidths.end(), m_CurrentMode.PelsWidth);
  if (found != DesktopAreaWidths.end()) {
    m_desktopArea.SetScrollPos(static_cast<int>(found - DesktopAreaWidths.begin()));
  }
}

void CMyPropertyPage2::DrawColorSample() {
  if (!m_hWnd) return;
  HBITMAP bitmap = ::LoadBitmapA(win::ResourceModule(), MAKEINTRESOURCEA(SampleBitmapFor(m_CurrentMode.BitsPerPel)));
  if (!bitmap) return;
  HBITMAP previous = m_colorSample.SetBitmap(bitmap);
  if (previous && previous != bitmap) ::DeleteObject(previous);
  m_hSampleBitmap = bitmap;
  HWND sample = m_colorSample.GetSafeHwnd();
  StretchOver(sample, bitmap);
  ::InvalidateRect(sample, nullptr, TRUE);
  ::RedrawWindow(sample, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

}  // namespace vexel
