#include "info/about_page.h"

#include "resource.h"

namespace vexel {

CMyPropertyPage1::CMyPropertyPage1() : CPropertyPage(IDD_ABOUT) {}

}  // namespace vexel
