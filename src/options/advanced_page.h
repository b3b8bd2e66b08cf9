// CMyPropertyPage5: the hidden "Advanced" page (dialog 108).
#pragma once
#include "store/page_context.h"
#include "win/property_page.h"

namespace vexel {

class CMyPropertyPage5 : public win::CPropertyPage {
 public:
  explicit CMyPropertyPage5(PageContext context);

 private:
  PageContext m_context;
};

}  // namespace vexel
