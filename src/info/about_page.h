// CMyPropertyPage1: the "About" page (dialog 104): the program's description,
// version and legal notice, the animation and the adapter information.
#pragma once
#include <string>

#include "modes/display_mode.h"
#include "platform/seams.h"
#include "win/animate_ctrl.h"
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage1 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage1(Seams seams);

  // The driver's start-up mode, or the running display's mode while a card
  // name is known; in that case this page is marked modified (which does
  // nothing while the page has no window).
  DisplayMode ReadCurrentMode(const std::string& cardName);

  std::string m_strExport;
  win::CAnimateCtrl m_animate;
  std::string m_strInfo;
  std::string m_strVersion;
  std::string m_strLegal;
  std::string m_strDescription;
  std::string m_strRelease;

 private:
  Seams m_seams;
};

}  // namespace vexel
