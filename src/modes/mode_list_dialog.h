// CModeListDialog: "Current Adapter" (dialog 109), every catalogue mode as one
// line; OK hands back the first mode with the picked line's text.
#pragma once
#include "core/display_mode.h"
#include "win/dialog.h"
#include "win/list_box.h"
#include "win/message_map.h"

namespace vexel {

class CModeListDialog : public win::CDialog {
 public:
  // The catalogue is the sheet's; it does not change while the dialog is open.
  explicit CModeListDialog(const ModeCatalogue& catalogue);

  // Valid once the dialog ended with OK.
  DisplayMode m_ChosenMode{};

 protected:
  void DoDataExchange(win::CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void FillList() const;

  const ModeCatalogue& m_catalogue;
  win::CListBox m_list;
};

}  // namespace vexel
