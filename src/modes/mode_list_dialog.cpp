#include "modes/mode_list_dialog.h"

#include <optional>
#include <vector>

#include "modes/mode_lines.h"
#include "modes/settings_rules.h"
#include "resource.h"
#include "win/data_exchange.h"
#include "win/sort_key.h"

namespace vexel {

CModeListDialog::CModeListDialog(const ModeCatalogue& catalogue) : CDialog(IDD_MODE_LIST), m_catalogue(catalogue) {
  static const win::MsgEntry<CModeListDialog> kMessageMap[] = {
      win::OnCommand(LBN_DBLCLK, IDC_MODE_LIST_MODES, &CModeListDialog::OnOK),
  };
  SetMessageMap(kMessageMap);
}

void CModeListDialog::DoDataExchange(win::CDataExchange* pDX) { win::DDX_Control(pDX, IDC_MODE_LIST_MODES, m_list); }

BOOL CModeListDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  FillList();
  return TRUE;
}

// The list box would compare every line it is given with the lines it holds.
// A driver's long list repeats few distinct lines, so those are put in the
// list box's order once here (by the keys of lstrcmpi's comparison, which is
// the list box's) and appended as they are, each as often as the catalogue
// lists it.
void CModeListDialog::FillList() const {
  const std::vector<ModeLine> lines = OrderedModeLines(m_catalogue, &win::CaseInsensitiveSortKey);
  size_t bytes = 0;
  for (const ModeLine& line : lines) bytes += (line.text.size() + 1) * line.count;
  m_list.SendMessage(LB_INITSTORAGE, m_catalogue.size(), static_cast<LPARAM>(bytes));
  // Not redrawn, nor its scroll bar set, after each line.
  m_list.SendMessage(WM_SETREDRAW, FALSE);
  for (const ModeLine& line : lines) {
    for (size_t i = 0; i < line.count; ++i) m_list.InsertString(-1, line.text);
  }
  m_list.SendMessage(WM_SETREDRAW, TRUE);
}

// Without a selected line OK ends the dialog as Cancel.
void CModeListDialog::OnOK() {
  const int selected = m_list.GetCurSel();
  const auto chosen = selected == LB_ERR ? std::nullopt : FindModeByText(m_catalogue, m_list.GetText(selected));
  if (chosen) m_ChosenMode = *chosen;
  EndDialog(chosen ? IDOK : IDCANCEL);
}

}  // namespace vexel
