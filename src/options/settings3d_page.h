// CMyPropertyPage3: the "3D Settings" page (dialog 106).
#pragma once
#include "store/page_context.h"
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage3 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage3(PageContext context);

 private:
  PageContext m_context;
};

}  // namespace vexel
