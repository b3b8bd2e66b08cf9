// CMyPropertyPage1: the "About" page (dialog 104).
#pragma once
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage1 : public win::CPropertyPage {
 public:
  CMyPropertyPage1();
};

}  // namespace vexel
