#include "info/about_page.h"

#include <utility>

#include "core/exit_status.h"
#include "win/ansi_text.h"
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

CMyPropertyPage1::CMyPropertyPage1(PageContext context) : CPropertyPage(IDD_ABOUT), m_context(std::move(context)) {}

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
  GetVersionInfo();
  GatherAndExport();
  UpdateData(false);
  // With the autoplay style the clip starts at once and repeats without end.
  m_animate.Open(IDR_ANIMATION_CLIP);
  return TRUE;
}

// Nobody sees a quiet run's page, so it is made without the animation and
// the video codecs the control would load; m_animate then has no window and
// opening the clip does nothing.
std::vector<std::uint16_t> CMyPropertyPage1::ControlsLeftOut() const {
  if (m_context.state.m_bQuiet) return {IDC_ABOUT_ANIMATION};
  return {};
}

void CMyPropertyPage1::GatherAndExport() {
  GetAdapterInfo(m_strInfo);
  WriteExport();
  // Posted, so the sheet closes once its creation, and this page's, is done.
  if (m_context.state.m_bQuiet) PressSheetButton(PSBTN_CANCEL);
}

void CMyPropertyPage1::GetVersionInfo() {
  m_strRelease = kRelease;
  const VersionResource resource = VersionResource::Own();
  const std::pair<const char*, std::string*> entries[] = {
      {"LegalCopyright", &m_strLegal},
      {"FileVersion", &m_strVersion},
      {"FileDescription", &m_strDescription},
  };
  for (const auto& [entry, member] : entries) {
    if (auto text = resource.String(entry)) *member = std::move(*text);
  }
}

void CMyPropertyPage1::GetAdapterInfo(std::string& info) {
  const SheetState& state = m_context.state;
  const AdapterInfo adapter = GatherAdapterInfo(*m_context.seams.registry, *m_context.seams.display,
                                                state.m_strDeviceKey, state.m_strOpenGL, &AnsiCodePageText);
  info = InformationText(adapter);
  m_strExport = ExportText(adapter);
}

// An export that cannot be written is never silent: the user is told, and a
// quiet run, which shows nothing, says so through its exit status.
void CMyPropertyPage1::WriteExport() const {
  SheetState& state = m_context.state;
  if (state.m_strExportFile.empty()) return;
  const DWORD error = WriteExportFile(state.m_strExportFile, m_strExport);
  if (error == ERROR_SUCCESS) return;
  state.m_nExitStatus |= kExitExportFailed;
  if (state.m_bQuiet) return;
  win::ShowMessageBox(
      GetSheetWindow(),
      "The board information could not be written to " + state.m_strExportFile + ".\n\n" + win::SystemErrorText(error),
      MB_OK | MB_ICONWARNING);
}

}  // namespace vexel
