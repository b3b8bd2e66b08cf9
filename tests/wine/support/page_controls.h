// Working a running sheet's controls as a user does, for tests that drive
// the Settings page and its dialogs many times over.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/ui_driver.h"

namespace vexel::test {

std::vector<std::string> ComboItems(HWND combo);
std::vector<std::string> ListItems(HWND list);

// Sends a control's notification to its dialog.
void Notify(HWND dialog, int id, UINT code);
// Selects a combo box item by index, then tells the page.
void PickItem(HWND page, int id, int index);
// A WM_HSCROLL from one of the page's scroll bars.
void SendScroll(HWND page, int id, int code, int position = 0);

// Clicks a button whose handler runs a modal dialog; the dialog, or null.
HWND OpenDialog(const UiDriver& ui, HWND page, int button, const std::string& caption);
// Gone, not just hidden: its modal loop has ended and its handler goes on.
bool Closes(HWND dialog);

// Shift and Ctrl held while the sheet is clicked: the hidden page's gesture.
void MakeAdvancedGesture(HWND sheet);

}  // namespace vexel::test
