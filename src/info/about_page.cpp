#include "info/about_page.h"

#include "resource.h"
#include "store/driver_store.h"

namespace vexel {

CMyPropertyPage1::CMyPropertyPage1(Seams seams) : CPropertyPage(IDD_ABOUT), m_seams(std::move(seams)) {}

DisplayMode CMyPropertyPage1::ReadCurrentMode(const std::string& cardName) {
  return vexel::ReadCurrentMode(*m_seams.registry, *m_seams.display, cardName, [this] { SetModified(); });
}

}  // namespace vexel
