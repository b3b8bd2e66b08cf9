// CMyPropertyPage1: the "About" page (dialog 104): the program's description,
// version and legal notice, the animation and the adapter information. Its
// whole work happens the first time it is shown: it gathers the information,
// writes the export file when asked, and ends a quiet run.
#pragma once
#include <string>

#include "modes/display_mode.h"
#include "platform/seams.h"
#include "win/animate_ctrl.h"
#include "win/property_page.h"

namespace vexel {

class CMyPropertySheet;

class CMyPropertyPage1 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage1(Seams seams);

  // The driver's start-up mode, or the running display's mode while a card
  // name is known; in that case this page is marked modified (which does
  // nothing while the page has no window).
  DisplayMode ReadCurrentMode(const std::string& cardName);

  // The program's own description, version and legal notice from its
  // version resource, and the release text.
  void GetVersionInfo();
  // The adapter information for the sheet's device key and OpenGL text:
  // the ten-line text into `info`, the export text into m_strExport.
  void GetAdapterInfo(const CMyPropertySheet& sheet, std::string& info);

  std::string m_strExport;
  win::CAnimateCtrl m_animate;
  std::string m_strInfo;
  std::string m_strVersion;
  std::string m_strLegal;
  std::string m_strDescription;
  std::string m_strRelease;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

 private:
  // The adapter information, the export file and the quiet run's end.
  void GatherAndExport(CMyPropertySheet& sheet);
  void WriteExport(CMyPropertySheet& sheet) const;

  Seams m_seams;
};

}  // namespace vexel
