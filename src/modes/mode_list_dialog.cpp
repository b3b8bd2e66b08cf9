#include "modes/mode_list_dialog.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "modes/mode_texts.h"
#include "modes/settings_rules.h"
#include "resource.h"
#include "win/data_exchange.h"

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
// list box's order once here (it compares as lstrcmpi does) and appended as
// they are, each as often as the catalogue lists it.
void CModeListDialog::FillList() const {
  std::map<std::string, size_t> repeats;
  size_t bytes = 0;
  for (const DisplayMode& mode : m_catalogue) {
    std::string line = ModeText(mode);
    bytes += line.size() + 1;
    ++repeats[std::move(line)];
  }
  std::vector<const std::pair<const std::string, size_t>*> lines;
  lines.reserve(repeats.size());
  for (const auto& line : repeats) lines.push_back(&line);
  std::ranges::stable_sort(
      lines, [](const auto* a, const auto* b) { return ::lstrcmpiA(a->first.c_str(), b->first.c_str()) < 0; });
  m_list.SendMessage(LB_INITSTORAGE, m_catalogue.size(), static_cast<LPARAM>(bytes));
  // Not redrawn, nor its scroll bar set, after each line.
  m_list.SendMessage(WM_SETREDRAW, FALSE);
  for (const auto* line : lines) {
    for (size_t i = 0; i < line->second; ++i) m_list.InsertString(-1, line->first);
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
