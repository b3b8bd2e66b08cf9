// CMyPropertySheet: the panel's only top-level window and the state its pages share.
#pragma once
#include "info/about_page.h"
#include "win/property_sheet.h"

namespace vexel {

class CMyPropertySheet : public win::CPropertySheet {
 public:
  explicit CMyPropertySheet(HWND parent = nullptr);

  CMyPropertyPage1 m_pageAbout;
};

}  // namespace vexel
