#include "app/property_sheet.h"

#include "resource.h"
#include "win/message_box.h"

namespace vexel {

CMyPropertySheet::CMyPropertySheet(HWND parent) : CPropertySheet(win::ProgramCaption(), parent, 0) {
  AddPage(&m_pageAbout);
}

}  // namespace vexel
