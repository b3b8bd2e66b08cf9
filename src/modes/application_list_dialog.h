// CApplicationListDialog: "Applications" (dialog 156), the presets of the
// board's memory variant; the row that matches what the settings key holds is
// preselected. OK hands back the chosen row's mode and options; it writes nothing.
#pragma once
#include <string>

#include "modes/app_settings.h"
#include "core/display_mode.h"
#include "modes/application_presets.h"
#include "platform/registry.h"
#include "win/dialog.h"
#include "win/list_box.h"
#include "win/message_map.h"

namespace vexel {

class CApplicationListDialog : public win::CDialog {
 public:
  // What the owning sheet knows: the board's memory and local-buffer width
  // choose the variant; the settings key holds the stored preset.
  CApplicationListDialog(uint32_t memorySize, uint32_t localBufferWidth, Registry& registry,
                         std::string settingsKeyPath);

  // Filled only when the dialog ends with OK.
  DisplayMode m_ChosenMode{};
  AppSettings m_ChosenSettings;

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:

  uint32_t m_dwMemorySize;
  uint32_t m_dwLocalBufferWidth;
  Registry& m_registry;
  std::string m_strSettingsKey;
  win::CListBox m_list;
  ApplicationPresetTable m_rows{};
};

}  // namespace vexel
