#include "app/property_sheet.h"

#include "app/exit_status.h"
#include "info/gl_api.h"
#include "info/ogl_info.h"
#include "info/opengl_probe.h"
#include "resource.h"
#include "store/driver_store.h"
#include "store/version_strings.h"
#include "win/message_box.h"
#include "win/module.h"
#include "win/system_text.h"

namespace vexel {
namespace {

constexpr const char* kOpenGLNotProbed = "Not Retrieved: -nogl specified";

CommandLineText ProcessCommandLine() {
  CommandLineText text;
  text.asTyped = ::GetCommandLineA();
  text.upper = text.asTyped;
  if (!text.upper.empty()) ::CharUpperBuffA(text.upper.data(), static_cast<DWORD>(text.upper.size()));
  return text;
}

bool KeyHeld(int key) { return (::GetKeyState(key) & 0xFFFE) != 0; }

}  // namespace

const win::MsgEntry<CMyPropertySheet> CMyPropertySheet::kMessageMap[] = {
    win::OnMessage(WM_ACTIVATE, &CMyPropertySheet::OnActivate),
    win::OnMessage(WM_MOUSEACTIVATE, &CMyPropertySheet::OnMouseActivate),
    win::OnMessage(WM_DISPLAYCHANGE, &CMyPropertySheet::OnDisplayChange),
};

CMyPropertySheet::CMyPropertySheet(HWND parent) : CMyPropertySheet(ProcessCommandLine(), MakeSeams(), parent) {}

CMyPropertySheet::CMyPropertySheet(const CommandLineText& commandLine, Seams seams, HWND parent)
    : CPropertySheet(win::LoadResourceString(IDS_APP_CAPTION), parent, 0),
      m_seams(std::move(seams)),
      m_strOpenGL(kOpenGLNotProbed),
      m_hIcon(::LoadIconA(win::ResourceModule(), MAKEINTRESOURCEA(IDI_VEXELPANEL))),
      m_pageAbout(m_seams),
      m_pageSettings(),
      m_page3D(),
      m_pageAdvanced() {
  Start(commandLine);
}

void CMyPropertySheet::Start(const CommandLineText& commandLine) {
  if (auto deviceKey = FindDeviceKey(*m_seams.registry)) m_strDeviceKey = *deviceKey;
  QueryDriverInfo(*m_seams.registry, *m_seams.display, m_strDeviceKey, m_DriverInfo, m_bDriverAnswered,
                  m_dwMemorySize);
  const CommandLineSwitches switches = ParseCommandLine(commandLine);
  m_bQuiet = switches.quiet;
  if (switches.noOpenGLProbe) m_bProbeOpenGL = false;
  if (m_bProbeOpenGL) ProbeOpenGL();
  if (switches.cardName) m_strCardName = *switches.cardName;
  FillModeCatalogue(m_strCardName);
  m_pageSettings.m_CurrentMode = m_pageAbout.ReadCurrentMode(m_strCardName);
  m_strExportFile = switches.exportFile.value_or(std::string());
  if (switches.registryPath) {
    m_strRegistryPath = *switches.registryPath;
  } else if (m_bDriverAnswered) {
    m_strRegistryPath = m_strDeviceKey;
  }
  ChoosePages();
  if (m_bQuiet) SetActivePage(&m_pageAbout);
}

void CMyPropertySheet::ProbeOpenGL() {
  auto probe = std::make_shared<COglInfo>(m_seams.registry, std::make_shared<WglApi>());
  if (auto text = RunOpenGlProbe(std::move(probe))) m_strOpenGL = *text;
}

void CMyPropertySheet::FillModeCatalogue(const std::string& cardName) {
  vexel::FillModeCatalogue(ModeCatalogue, cardName, *m_seams.display);
}

void CMyPropertySheet::ChoosePages() {
  bool identified = true;
  if (!m_strCardName.empty()) {
    StorePerMakerKey();
  } else if (!m_bDriverAnswered) {
    PerMakerValues remembered{m_strCardName, m_strRegistryPath};
    ReadPerMakerKey(*m_seams.registry, OwnPerMakerKeyPath(), remembered);
    m_strCardName = remembered.CardName;
    m_strRegistryPath = remembered.RegistryPath;
    identified = !m_strCardName.empty() && !m_strRegistryPath.empty();
  }
  AddPage(&m_pageAbout);
  if (!identified || m_bQuiet) return;
  AddPage(&m_pageSettings);
  AddPage(&m_page3D);
  SetActivePage(&m_pageSettings);
}

void CMyPropertySheet::StorePerMakerKey() {
  const std::string keyPath = OwnPerMakerKeyPath();
  const long status = WritePerMakerKey(*m_seams.registry, keyPath, {m_strCardName, m_strRegistryPath});
  if (status != kOk) ReportStoreFailure("HKEY_LOCAL_MACHINE\\" + keyPath, status);
}

// A value the panel could not store is never silent: the user is told, and
// a quiet run, which shows nothing, says so through its exit status.
void CMyPropertySheet::ReportStoreFailure(const std::string& what, long status) {
  AddExitStatus(kExitPerMakerKeyFailed);
  if (m_bQuiet) return;
  win::ShowMessageBox(nullptr,
                      "The board model and the settings key could not be stored under " + what + ".\n\n" +
                          win::SystemErrorText(static_cast<DWORD>(status)),
                      MB_OK | MB_ICONWARNING);
}

bool CMyPropertySheet::OnWndMsg(const win::Msg& msg, LRESULT& result) {
  return win::DispatchMessageMap(this, kMessageMap, msg, result) || CPropertySheet::OnWndMsg(msg, result);
}

LRESULT CMyPropertySheet::OnActivate(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  return result;
}

LRESULT CMyPropertySheet::OnMouseActivate(const win::Msg& msg) {
  if (!m_bAdvancedAdded && KeyHeld(VK_SHIFT) && KeyHeld(VK_CONTROL)) {
    m_bAdvancedAdded = true;
    AddPage(&m_pageAdvanced);
  }
  return Default(msg);
}

LRESULT CMyPropertySheet::OnDisplayChange(const win::Msg& msg) {
  const LRESULT result = Default(msg);
  SendMessageToDescendants(msg.message, msg.wParam, msg.lParam);
  FillModeCatalogue(m_strCardName);
  m_pageSettings.m_CurrentMode = m_pageAbout.ReadCurrentMode(m_strCardName);
  if (HasPage(&m_pageSettings)) {
    SetActivePage(&m_pageSettings);
    m_pageSettings.ShowCurrentMode();
  }
  return result;
}

CMyPropertySheet* SheetOf(const win::CPropertyPage& page) {
  return dynamic_cast<CMyPropertySheet*>(win::CPropertySheet::FromHandle(page.GetSheetWindow()));
}

}  // namespace vexel
