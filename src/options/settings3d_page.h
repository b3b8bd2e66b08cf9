// CMyPropertyPage3: the "3D Settings" page (dialog 106).
#pragma once
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage3 : public win::CPropertyPage {
 public:
  CMyPropertyPage3();
};

}  // namespace vexel
