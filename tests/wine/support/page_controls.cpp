#include "support/page_controls.h"

#include <chrono>

#include "support/message_boxes.h"

namespace vexel::test {
namespace {

std::vector<std::string> Items(HWND control, UINT countMessage, UINT textMessage, UINT lengthMessage) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(::SendMessageA(control, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string text(static_cast<size_t>(::SendMessageA(control, lengthMessage, i, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(::SendMessageA(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

}  // namespace

std::vector<std::string> ComboItems(HWND combo) { return Items(combo, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN); }
std::vector<std::string> ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN); }

void Notify(HWND dialog, int id, UINT code) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PickItem(HWND page, int id, int index) {
  ::SendDlgItemMessageA(page, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Notify(page, id, CBN_SELCHANGE);
}

void SendScroll(HWND page, int id, int code, int position) {
  ::SendMessageA(page, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

HWND OpenDialog(const UiDriver& ui, HWND page, int button, const std::string& caption) {
  ::PostMessageA(::GetDlgItem(page, button), BM_CLICK, 0, 0);
  return ui.WaitForWindow(caption);
}

bool Closes(HWND dialog) {
  return PollUntil(std::chrono::seconds(10), [&] { return !::IsWindow(dialog); });
}

void MakeAdvancedGesture(HWND sheet) {
  BYTE keys[256] = {};
  keys[VK_SHIFT] = keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  ::SendMessageA(sheet, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(sheet), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
}

}  // namespace vexel::test
