#include "app/property_sheet.h"

#include <optional>

#include "info/probe/opengl_probe.h"
#include "modes/mode_catalogue.h"
#include "resource.h"
#include "store/driver_store.h"
#include "store/version_strings.h"
#include "win/message_box.h"
#include "win/module.h"
#include "win/system_text.h"

namespace vexel {
namespace {

constexpr const char* kOpenGLNotProbed = "Not Retrieved: -nogl specified";
// The property sheet's Apply button.
constexpr UINT kApplyNowId = 0x3021;
// Posted to the sheet to show a display change that waited for a modal window.
constexpr UINT kShowPendingDisplayChange = WM_APP + 1;

enum class Shown { Always, WhenIdentified, OnGesture };

CommandLineText ProcessCommandLine() {
  CommandLineText text;
  text.asTyped = ::GetCommandLineA();
  text.upper = text.asTyped;
  if (!text.upper.empty()) ::CharUpperBuffA(text.upper.data(), static_cast<DWORD>(text.upper.size()));
  return text;
}

// The program's name, which captions the sheet and, from now on, the
// framework's message boxes.
std::string ProgramCaption() {
  std::string caption = win::LoadResourceString(IDS_APP_CAPTION);
  win::SetMessageBoxCaption(caption);
  return caption;
}

bool KeyHeld(int key) { return (::GetKeyState(key) & 0xFFFE) != 0; }

std::string SystemReason(long status) { return win::SystemErrorText(static_cast<DWORD>(status)); }

}  // namespace

// A page that hears of display changes names itself as their listener too.
struct CMyPropertySheet::PageSlot {
  win::CPropertyPage& (*page)(CMyPropertySheet&);
  Shown shown;
  DisplayChangeListener* (*listener)(CMyPropertySheet&);
};

const CMyPropertySheet::PageSlot CMyPropertySheet::kPageTable[] = {
    {[](CMyPropertySheet& s) -> win::CPropertyPage& { return s.m_pageAbout; }, Shown::Always, nullptr},
    {[](CMyPropertySheet& s) -> win::CPropertyPage& { return s.m_pageSettings; }, Shown::WhenIdentified,
     [](CMyPropertySheet& s) -> DisplayChangeListener* { return &s.m_pageSettings; }},
    {[](CMyPropertySheet& s) -> win::CPropertyPage& { return s.m_page3D; }, Shown::WhenIdentified, nullptr},
    {[](CMyPropertySheet& s) -> win::CPropertyPage& { return s.m_pageAdvanced; }, Shown::OnGesture, nullptr},
};

CMyPropertySheet::CMyPropertySheet(Seams seams, HWND parent)
    : CMyPropertySheet(ProcessCommandLine(), std::move(seams), parent) {}

CMyPropertySheet::CMyPropertySheet(const CommandLineText& commandLine, Seams seams, HWND parent)
    : CPropertySheet(ProgramCaption(), parent, 0),
      m_seams(std::move(seams)),
      m_hIcon(::LoadIconA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_VEXELPANEL))),
      m_pageAbout(MakePageContext()),
      m_pageSettings(MakePageContext()),
      m_page3D(MakePageContext()),
      m_pageAdvanced(MakePageContext()) {
  static const win::MsgEntry<CMyPropertySheet> kMessageMap[] = {
      win::OnMessage(WM_ACTIVATE, &CMyPropertySheet::OnActivate),
      win::OnMessage(WM_MOUSEACTIVATE, &CMyPropertySheet::OnMouseActivate),
      win::OnMessage(WM_DISPLAYCHANGE, &CMyPropertySheet::OnDisplayChange),
      win::OnMessage(WM_ENABLE, &CMyPropertySheet::OnEnable),
      win::OnMessage(kShowPendingDisplayChange, &CMyPropertySheet::OnShowPendingDisplayChange),
      win::OnMessage(PSM_PRESSBUTTON, &CMyPropertySheet::OnApplyButton),
      win::OnCommandMessage(BN_CLICKED, IDOK, &CMyPropertySheet::OnApplyButton),
      win::OnCommandMessage(BN_CLICKED, kApplyNowId, &CMyPropertySheet::OnApplyButton),
  };
  SetMessageMap(kMessageMap);
  m_state.m_strOpenGL = kOpenGLNotProbed;
  Start(commandLine);
}

PageContext CMyPropertySheet::MakePageContext() {
  return {m_state, m_seams, m_writeFailures, [this] { m_pageAbout.SetModified(); }};
}

void CMyPropertySheet::Start(const CommandLineText& commandLine) {
  if (auto deviceKey = FindDeviceKey(*m_seams.registry)) m_state.m_strDeviceKey = *deviceKey;
  QueryDriverInfo(*m_seams.registry, *m_seams.display, m_state.m_strDeviceKey, m_state.m_DriverInfo,
                  m_state.m_bDriverAnswered, m_state.m_dwMemorySize);
  const CommandLineSwitches switches = ParseCommandLine(commandLine);
  m_state.m_bQuiet = switches.quiet;
  if (switches.noOpenGLProbe) m_bProbeOpenGL = false;
  if (m_bProbeOpenGL) ProbeOpenGL();
  if (switches.cardName) m_state.m_strCardName = *switches.cardName;
  FillModeCatalogue(m_state.m_strCardName);
  // The About page has no window yet, so a running mode taken here marks nothing.
  m_pageSettings.SetCurrentMode(ReadCurrentMode(*m_seams.registry, *m_seams.display, m_state.m_strCardName).mode);
  m_state.m_strExportFile = switches.exportFile.value_or(std::string());
  if (switches.registryPath) {
    m_state.m_strRegistryPath = *switches.registryPath;
  } else if (m_state.m_bDriverAnswered) {
    m_state.m_strRegistryPath = m_state.m_strDeviceKey;
  }
  const bool identified = RememberOrRecallBoard();
  ChoosePages(identified && !m_state.m_bQuiet);
  if (m_state.m_bQuiet) SetActivePage(&m_pageAbout);
}

void CMyPropertySheet::ProbeOpenGL() {
  if (auto text = ProbeOpenGlImplementation(m_seams.registry)) m_state.m_strOpenGL = *text;
}

void CMyPropertySheet::FillModeCatalogue(const std::string& cardName) {
  vexel::FillModeCatalogue(m_state.ModeCatalogue, cardName, *m_seams.display);
}

// A board name from the command line is remembered under the per-maker key;
// without one, and without a driver that answers, an earlier run's name and
// settings key are recalled from it. True when the board is identified by
// the name, the driver or what was recalled.
bool CMyPropertySheet::RememberOrRecallBoard() {
  if (!m_state.m_strCardName.empty()) {
    StorePerMakerKey();
    return true;
  }
  return m_state.m_bDriverAnswered || RecallBoard();
}

bool CMyPropertySheet::RecallBoard() {
  PerMakerValues remembered{m_state.m_strCardName, m_state.m_strRegistryPath};
  if (const auto keyPath = OwnPerMakerKeyPath()) ReadPerMakerKey(*m_seams.registry, *keyPath, remembered);
  m_state.m_strCardName = remembered.cardName;
  m_state.m_strRegistryPath = remembered.registryPath;
  return !m_state.m_strCardName.empty() && !m_state.m_strRegistryPath.empty();
}

void CMyPropertySheet::ChoosePages(bool identified) {
  for (const PageSlot& slot : kPageTable) {
    if (slot.shown == Shown::Always || (slot.shown == Shown::WhenIdentified && identified)) {
      AddPage(&slot.page(*this));
    }
  }
  if (HasPage(&m_pageSettings)) SetActivePage(&m_pageSettings);
}

void CMyPropertySheet::StorePerMakerKey() {
  const std::optional<std::string> keyPath = OwnPerMakerKeyPath();
  if (!keyPath) {
    // Without the program's own name and version there is no key to store under.
    ReportStoreFailure("its key, since the program's version information could not be read",
                       ERROR_RESOURCE_TYPE_NOT_FOUND);
    return;
  }
  const long status = WritePerMakerKey(*m_seams.registry, *keyPath, {m_state.m_strCardName, m_state.m_strRegistryPath});
  if (status != kOk) ReportStoreFailure("HKEY_LOCAL_MACHINE\\" + *keyPath, status);
}

// A value the panel could not store is never silent: the user is told, and
// a quiet run, which shows nothing, says so through its exit status.
void CMyPropertySheet::ReportStoreFailure(const std::string& what, long status) {
  m_state.m_nExitStatus |= kExitPerMakerKeyFailed;
  if (m_state.m_bQuiet) return;
  win::ShowMessageBox(
      nullptr,
      "The board model and the settings key could not be stored under " + what + ".\n\n" + SystemReason(status),
      MB_OK | MB_ICONWARNING);
}

// Every page has stored what it could; what failed is told once per apply.
void CMyPropertySheet::ReportWriteFailures() {
  if (m_writeFailures.Empty()) return;
  win::ShowMessageBox(m_hWnd, WriteFailuresText(m_writeFailures.Take(), &SystemReason), MB_OK | MB_ICONWARNING);
}

LRESULT CMyPropertySheet::OnActivate(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  SetIcons();
  return result;
}

void CMyPropertySheet::SetIcons() {
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
}

LRESULT CMyPropertySheet::OnMouseActivate(const win::Msg& msg) {
  if (!m_bAdvancedAdded && KeyHeld(VK_SHIFT) && KeyHeld(VK_CONTROL)) {
    m_bAdvancedAdded = true;
    for (const PageSlot& slot : kPageTable) {
      if (slot.shown == Shown::OnGesture) AddPage(&slot.page(*this));
    }
  }
  return Default(msg);
}

// A modal window of the panel (a validation message, a list, a question, the
// failure report) disables the sheet while it is open. A display change that
// comes meanwhile is shown once that window has closed: making a page active
// under it would validate the page left again, one message over the other,
// and the catalogue a list shows must not change under the list.
LRESULT CMyPropertySheet::OnDisplayChange(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  SendMessageToDescendants(msg.message, msg.wParam, msg.lParam);
  for (const PageSlot& slot : kPageTable) {
    if (slot.listener) slot.listener(*this)->TakeDisplayChange();
  }
  m_bDisplayChangePending = true;
  if (IsWindowEnabled()) ShowDisplayChange();
  return result;
}

// Posted, so that the closed window's caller takes its answer first.
LRESULT CMyPropertySheet::OnEnable(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  if (msg.wParam && m_bDisplayChangePending) PostMessage(kShowPendingDisplayChange);
  return result;
}

LRESULT CMyPropertySheet::OnShowPendingDisplayChange(const win::Msg&) {
  if (m_bDisplayChangePending && IsWindowEnabled()) ShowDisplayChange();
  return 0;
}

void CMyPropertySheet::ShowDisplayChange() {
  m_bDisplayChangePending = false;
  FillModeCatalogue(m_state.m_strCardName);
  for (const PageSlot& slot : kPageTable) {
    win::CPropertyPage& page = slot.page(*this);
    if (!slot.listener || !HasPage(&page)) continue;
    SetActivePage(&page);
    slot.listener(*this)->ShowDisplayChange();
  }
}

// OK, Apply and their PSM_PRESSBUTTON forms: the pages apply during the
// default processing.
LRESULT CMyPropertySheet::OnApplyButton(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  ReportWriteFailures();
  return result;
}

}  // namespace vexel
