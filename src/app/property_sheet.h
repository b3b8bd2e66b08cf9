// CMyPropertySheet: the panel's only top-level window. It owns the state its
// pages share and the pages themselves; its construction does the whole
// start-up: it finds the driver's keys, asks the driver who it is, reads the
// command line, runs the OpenGL probe, fills the mode catalogue and decides
// which pages the user sees.
#pragma once
#include <string>

#include "app/command_line.h"
#include "core/sheet_state.h"
#include "info/about_page.h"
#include "modes/settings_page.h"
#include "options/advanced_page.h"
#include "options/settings3d_page.h"
#include "platform/seams.h"
#include "store/page_context.h"
#include "store/write_failures.h"
#include "win/message_map.h"
#include "win/property_sheet.h"

namespace vexel {

class CMyPropertySheet : public win::CPropertySheet {
 public:
  // Production start-up: the process's command line and the given seams.
  explicit CMyPropertySheet(Seams seams, HWND parent = nullptr);
  // Start-up on the given command line and seams.
  CMyPropertySheet(const CommandLineText& commandLine, Seams seams, HWND parent = nullptr);

  // Empties the catalogue and fills it for a board-model name (upper case).
  void FillModeCatalogue(const std::string& cardName);

  // The run's failures (exit_status.h), ORed together.
  int ExitStatus() const { return m_state.m_nExitStatus; }
  SheetState& State() { return m_state; }
  const SheetState& State() const { return m_state; }
  const Seams& GetSeams() const { return m_seams; }

 private:
  Seams m_seams;
  SheetState m_state;
  WriteFailures m_writeFailures;

 public:
  HICON m_hIcon = nullptr;
  bool m_bProbeOpenGL = true;
  CMyPropertyPage1 m_pageAbout;
  CMyPropertyPage2 m_pageSettings;
  CMyPropertyPage3 m_page3D;
  CMyPropertyPage5 m_pageAdvanced;
  bool m_bAdvancedAdded = false;

 protected:
  // The icons from the first moment the sheet is shown.
  void OnSheetInitialized() override { SetIcons(); }

 private:
  PageContext MakePageContext();
  DisplayMode ReadCurrentMode(const std::string& cardName);
  void Start(const CommandLineText& commandLine);
  void ProbeOpenGL();
  void ChoosePages();
  void AddPagesShown(bool identified);
  void StorePerMakerKey();
  void ReportStoreFailure(const std::string& what, long status);
  void ReportWriteFailures();
  void SetIcons();

  LRESULT OnActivate(const win::Msg& msg);
  LRESULT OnMouseActivate(const win::Msg& msg);
  LRESULT OnDisplayChange(const win::Msg& msg);
  LRESULT OnApplyButton(const win::Msg& msg);
};

}  // namespace vexel
