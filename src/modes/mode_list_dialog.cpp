#include "modes/mode_list_dialog.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "modes/mode_texts.h"
#include "modes/settings_rules.h"
#include "resource.h"
#include "win/data_exchange.h"

namespace vexel {

const win::MsgEntry<CModeListDialog> CModeListDialog::kMessageMap[] = {
    win::OnCommand(LBN_DBLCLK, IDC_MODE_LIST_MODES, &CModeListDialog::OnOK),
};

CModeListDialog::CModeListDialog(const ModeCatalogue& catalogue) : CDialog(IDD_MODE_LIST), m_catalogue(catalogue) {}

void CModeListDialog::DoDataExchange(win::CDataExchange* pDX) { win::DDX_Control(pDX, IDC_MODE_LIST_MODES, m_list); }

BOOL CModeListDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  FillList();
  return TRUE;
}

// The list box sorts its lines itself; handing them over already in its order
// lets each one go to the end instead of shifting every line after it, so a
// driver with a huge mode list opens in n log n.
void CModeListDialog::FillList() const {
  std::vector<std::string> lines;
  lines.reserve(m_catalogue.size());
  size_t bytes = 0;
  for (const DisplayMode& mode : m_catalogue) {
    lines.push_back(ModeText(mode));
    bytes += lines.back().size() + 1;
  }
  std::ranges::stable_sort(
      lines, [](const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  m_list.SendMessage(LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(bytes));
  for (const std::string& line : lines) m_list.AddString(line);
}

// Without a selected line OK ends the dialog as Cancel.
void CModeListDialog::OnOK() {
  const int selected = m_list.GetCurSel();
  const auto chosen = selected == LB_ERR ? std::nullopt : FindModeByText(m_catalogue, m_list.GetText(selected));
  if (chosen) m_ChosenMode = *chosen;
  EndDialog(chosen ? IDOK : IDCANCEL);
}

bool CModeListDialog::OnWndMsg(const win::Msg& msg, LRESULT& result) {
  return win::DispatchMessageMap(this, kMessageMap, msg, result) || CDialog::OnWndMsg(msg, result);
}

}  // namespace vexel
