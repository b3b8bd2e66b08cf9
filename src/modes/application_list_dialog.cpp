#include "modes/application_list_dialog.h"

#include <utility>

#include "resource.h"
#include "store/settings_key.h"
#include "win/data_exchange.h"

namespace vexel {

CApplicationListDialog::CApplicationListDialog(uint32_t memorySize, uint32_t localBufferWidth, Registry& registry,
                                               std::string settingsKeyPath)
    : CDialog(IDD_APPLICATION_LIST),
      m_dwMemorySize(memorySize),
      m_dwLocalBufferWidth(localBufferWidth),
      m_registry(registry),
      m_strSettingsKey(std::move(settingsKeyPath)) {
  static const win::MsgEntry<CApplicationListDialog> kMessageMap[] = {
      win::OnCommand(LBN_DBLCLK, IDC_APPLICATION_LIST_ROWS, &CApplicationListDialog::OnOK),
  };
  SetMessageMap(kMessageMap);
}

void CApplicationListDialog::DoDataExchange(win::CDataExchange* pDX) {
  win::DDX_Control(pDX, IDC_APPLICATION_LIST_ROWS, m_list);
}

BOOL CApplicationListDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_rows = ApplicationPresets[ApplicationPresetVariant(m_dwMemorySize, m_dwLocalBufferWidth)];
  for (const ApplicationPreset& row : m_rows) m_list.AddString(row.settings.name);
  const SettingsKey key(m_registry, m_strSettingsKey);
  if (const auto matched = MatchStoredPreset(m_rows, ReadStoredPreset(key))) {
    m_list.SetCurSel(static_cast<int>(*matched));
  }
  return TRUE;
}

// The empty separator line cannot be chosen: OK then keeps the dialog open.
void CApplicationListDialog::OnOK() {
  const int selected = m_list.GetCurSel();
  if (selected == LB_ERR) {
    EndDialog(IDCANCEL);
    return;
  }
  if (static_cast<size_t>(selected) == kApplicationPresetSeparator) return;
  const std::string text = m_list.GetText(selected);
  for (const ApplicationPreset& row : m_rows) {
    if (text != row.settings.name) continue;
    m_ChosenMode = row.mode;
    m_ChosenSettings = row.settings;
    EndDialog(IDOK);
    return;
  }
}

}  // namespace vexel
