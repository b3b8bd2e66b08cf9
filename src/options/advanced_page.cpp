#include "options/advanced_page.h"

#include <utility>

#include "resource.h"

namespace vexel {

CMyPropertyPage5::CMyPropertyPage5(PageContext context) : CPropertyPage(IDD_ADVANCED), m_context(std::move(context)) {}

}  // namespace vexel
