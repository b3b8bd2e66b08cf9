#include "options/settings3d_page.h"

#include <utility>

#include "resource.h"

namespace vexel {

CMyPropertyPage3::CMyPropertyPage3(PageContext context) : CPropertyPage(IDD_3D_SETTINGS), m_context(std::move(context)) {}

}  // namespace vexel
