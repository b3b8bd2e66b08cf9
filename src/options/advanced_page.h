// CMyPropertyPage5: the hidden "Advanced" page (dialog 108).
#pragma once
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage5 : public win::CPropertyPage {
 public:
  CMyPropertyPage5();
};

}  // namespace vexel
