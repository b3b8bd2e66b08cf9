// The sheet keeps its pages, its icon and the hidden page's gesture flag to
// itself; the tests that work a page directly reach them here.
#pragma once
#include <windows.h>

#include "app/property_sheet.h"

namespace vexel::test {

struct SheetPages {
  explicit SheetPages(CMyPropertySheet& sheet)
      : about(sheet.m_pageAbout),
        settings(sheet.m_pageSettings),
        settings3d(sheet.m_page3D),
        advanced(sheet.m_pageAdvanced),
        icon(sheet.m_hIcon),
        advancedAdded(sheet.m_bAdvancedAdded) {}

  CMyPropertyPage1& about;
  CMyPropertyPage2& settings;
  CMyPropertyPage3& settings3d;
  CMyPropertyPage5& advanced;
  const HICON& icon;
  const bool& advancedAdded;
};

}  // namespace vexel::test
