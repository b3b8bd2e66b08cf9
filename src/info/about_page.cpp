#include "info/about_page.h"

#include <utility>

#include "app/exit_status.h"
#include "app/property_sheet.h"
#include "info/ansi_text.h"
#include "info/export_file.h"
#include "info/gather_adapter_info.h"
#include "resource.h"
#include "store/driver_store.h"
#include "store/version_strings.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/system_text.h"

namespace vexel {
namespace {

constexpr char kRelease[] = "Rel-4.1.10";

}  // namespace

CMyPropertyPage1::CMyPropertyPage1(Seams seams) : CPropertyPage(IDD_ABOUT), m_seams(std::move(seams)) {}

DisplayMode CMyPropertyPage1::ReadCurrentMode(const std::string& cardName) {
  return vexel::ReadCurrentMode(*m_seams.registry, *m_seams.display, cardName, [this] { SetModified(); });
}

void CMyPropertyPage1::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_ABOUT_ANIMATION, m_animate);
  win::DDX_Text(pDX, IDC_ABOUT_INFO, m_strInfo);
  win::DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
  win::DDX_Text(pDX, IDC_ABOUT_LEGAL, m_strLegal);
  win::DDX_Text(pDX, IDC_ABOUT_DESCRIPTION, m_strDescription);
  win::DDX_Text(pDX, IDC_ABOUT_RELEASE, m_strRelease);
}

BOOL CMyPropertyPage1::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  CMyPropertySheet* sheet = SheetOf(*this);
  GetVersionInfo();
  if (sheet) GatherAndExport(*sheet);
  UpdateData(false);
  // With the autoplay style the clip starts at once and repeats without end.
  m_animate.Open(IDR_ANIMATION_CLIP);
  return TRUE;
}

void CMyPropertyPage1::GatherAndExport(CMyPropertySheet& sheet) {
  GetAdapterInfo(sheet, m_strInfo);
  WriteExport(sheet);
  // Posted, so the sheet closes once its creation, and this page's, is done.
  if (sheet.m_bQuiet) sheet.PressButton(PSBTN_CANCEL);
}

void CMyPropertyPage1::GetVersionInfo() {
  m_strRelease = kRelease;
  const VersionResource resource(OwnModuleFile());
  const std::pair<const char*, std::string*> entries[] = {
      {"LegalCopyright", &m_strLegal},
      {"FileVersion", &m_strVersion},
      {"FileDescription", &m_strDescription},
  };
  for (const auto& [entry, member] : entries) {
    if (auto text = resource.String(entry)) *member = std::move(*text);
  }
}

void CMyPropertyPage1::GetAdapterInfo(const CMyPropertySheet& sheet, std::string& info) {
  const AdapterInfo adapter = GatherAdapterInfo(*m_seams.registry, *m_seams.display, sheet.m_strDeviceKey,
                                                sheet.m_strOpenGL, &AnsiCodePageText);
  info = InformationText(adapter);
  m_strExport = ExportText(adapter);
}

// An export that cannot be written is never silent: the user is told, and a
// quiet run, which shows nothing, says so through its exit status.
void CMyPropertyPage1::WriteExport(CMyPropertySheet& sheet) const {
  if (sheet.m_strExportFile.empty()) return;
  const DWORD error = WriteExportFile(sheet.m_strExportFile, m_strExport);
  if (error == ERROR_SUCCESS) return;
  sheet.AddExitStatus(kExitExportFailed);
  if (sheet.m_bQuiet) return;
  win::ShowMessageBox(sheet.GetSafeHwnd(),
                      "The board information could not be written to " + sheet.m_strExportFile + ".\n\n" +
                          win::SystemErrorText(error),
                      MB_OK | MB_ICONWARNING);
}

}  // namespace vexel
