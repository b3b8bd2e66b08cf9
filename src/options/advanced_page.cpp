#include "options/advanced_page.h"

#include "resource.h"

namespace vexel {

CMyPropertyPage5::CMyPropertyPage5() : CPropertyPage(IDD_ADVANCED) {}

}  // namespace vexel
