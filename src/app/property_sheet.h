// CMyPropertySheet: the panel's only top-level window. It owns the state its
// pages share and the pages themselves; its construction does the whole
// start-up: it finds the driver's keys, asks the driver who it is, reads the
// command line, runs the OpenGL probe, fills the mode catalogue and decides
// which pages the user sees.
#pragma once
#include <string>

#include "app/command_line.h"
#include "info/about_page.h"
#include "modes/settings_page.h"
#include "options/advanced_page.h"
#include "options/settings3d_page.h"
#include "platform/seams.h"
#include "sheet/page_context.h"
#include "store/write_failures.h"
#include "win/message_map.h"
#include "win/property_sheet.h"

namespace vexel {
namespace test {
struct SheetPages;
}

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

 protected:
  // The icons from the first moment the sheet is shown.
  void OnSheetInitialized() override { SetIcons(); }

 private:
  // Tests work the pages directly (tests/wine/support/sheet_pages.h).
  friend struct test::SheetPages;
  // The pages in tab order, and when each is put into the sheet.
  struct PageSlot;
  static const PageSlot kPageTable[];

  Seams m_seams;
  SheetState m_state;
  WriteFailures m_writeFailures;
  HICON m_hIcon = nullptr;
  bool m_bProbeOpenGL = true;
  CMyPropertyPage1 m_pageAbout;
  CMyPropertyPage2 m_pageSettings;
  CMyPropertyPage3 m_page3D;
  CMyPropertyPage5 m_pageAdvanced;
  bool m_bAdvancedAdded = false;
  // A display change came that the pages have not shown yet.
  bool m_bDisplayChangePending = false;

  PageContext MakePageContext();
  void Start(const CommandLineText& commandLine);
  void ProbeOpenGL();
  bool RememberOrRecallBoard();
  bool RecallBoard();
  // Adds the pages the user sees at first; those that need an identified
  // board only when `identified`.
  void ChoosePages(bool identified);
  void StorePerMakerKey();
  void ReportStoreFailure(const std::string& what, long status);
  void ReportWriteFailures();
  void SetIcons();
  void ShowDisplayChange();

  LRESULT OnActivate(const win::Msg& msg);
  LRESULT OnMouseActivate(const win::Msg& msg);
  LRESULT OnDisplayChange(const win::Msg& msg);
  LRESULT OnEnable(const win::Msg& msg);
  LRESULT OnShowPendingDisplayChange(const win::Msg& msg);
  LRESULT OnApplyButton(const win::Msg& msg);
};

}  // namespace vexel
