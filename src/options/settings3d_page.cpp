#include "options/settings3d_page.h"

#include "resource.h"

namespace vexel {

CMyPropertyPage3::CMyPropertyPage3() : CPropertyPage(IDD_3D_SETTINGS) {}

}  // namespace vexel
