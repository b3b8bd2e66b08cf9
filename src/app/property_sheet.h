// CMyPropertySheet: the panel's only top-level window and the state its pages
// share. Its construction does the whole start-up: it finds the driver's keys,
// asks the driver who it is, reads the command line, runs the OpenGL probe,
// fills the mode catalogue and decides which pages the user sees.
#pragma once
#include <string>

#include "app/command_line.h"
#include "info/about_page.h"
#include "modes/mode_catalogue.h"
#include "modes/settings_page.h"
#include "options/advanced_page.h"
#include "options/settings3d_page.h"
#include "platform/seams.h"
#include "store/driver_info.h"
#include "win/message_map.h"
#include "win/property_sheet.h"

namespace vexel {

class CMyPropertySheet : public win::CPropertySheet {
 public:
  // Production start-up: the process's command line and MakeSeams().
  explicit CMyPropertySheet(HWND parent = nullptr);
  // Start-up on the given command line and seams.
  CMyPropertySheet(const CommandLineText& commandLine, Seams seams, HWND parent = nullptr);

  // Empties the catalogue and fills it for a board-model name (upper case).
  void FillModeCatalogue(const std::string& cardName);

  // The run's failures (exit_status.h), ORed together.
  int ExitStatus() const { return m_nExitStatus; }
  void AddExitStatus(int failure) { m_nExitStatus |= failure; }

  const Seams& GetSeams() const { return m_seams; }

 private:
  Seams m_seams;
  int m_nExitStatus = 0;

 public:
  bool m_bQuiet = false;
  std::string m_strExportFile;
  std::string m_strRegistryPath;
  bool m_bDriverAnswered = false;
  std::string m_strOpenGL;
  std::string m_strDeviceKey;
  uint32_t m_dwMemorySize = 0;
  DriverInfoReply m_DriverInfo;
  HICON m_hIcon = nullptr;
  bool m_bProbeOpenGL = true;
  std::string m_strCardName;
  vexel::ModeCatalogue ModeCatalogue;
  CMyPropertyPage1 m_pageAbout;
  CMyPropertyPage2 m_pageSettings;
  CMyPropertyPage3 m_page3D;
  CMyPropertyPage5 m_pageAdvanced;
  bool m_bAdvancedAdded = false;

 protected:
  bool OnWndMsg(const win::Msg& msg, LRESULT& result) override;

 private:
  void Start(const CommandLineText& commandLine);
  void ProbeOpenGL();
  void ChoosePages();
  void StorePerMakerKey();
  void ReportStoreFailure(const std::string& what, long status);

  static const win::MsgEntry<CMyPropertySheet> kMessageMap[];
  LRESULT OnActivate(const win::Msg& msg);
  LRESULT OnMouseActivate(const win::Msg& msg);
  LRESULT OnDisplayChange(const win::Msg& msg);
};

// A page's sheet, from the page's parent window (only once the page has one).
CMyPropertySheet* SheetOf(const win::CPropertyPage& page);

}  // namespace vexel
