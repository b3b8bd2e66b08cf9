// CMyPropertyPage1: the "About" page (dialog 104): the program's description,
// version and legal notice, the animation and the adapter information. Its
// whole work happens the first time it is shown: it gathers the information,
// writes the export file when asked, and ends a quiet run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sheet/page_context.h"
#include "win/animate_ctrl.h"
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage1 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage1(PageContext context);

  // The program's own description, version and legal notice from its
  // version resource, and the release text.
  void GetVersionInfo();
  // The adapter information for the sheet's device key and OpenGL text:
  // the ten-line text into `info`, the export text into m_strExport.
  void GetAdapterInfo(std::string& info);

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
  std::vector<std::uint16_t> ControlsLeftOut() const override;

 private:
  // The adapter information, the export file and the quiet run's end.
  void GatherAndExport();
  void WriteExport() const;

  PageContext m_context;
};

}  // namespace vexel
