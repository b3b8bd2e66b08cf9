// The floor under the panel's start-up figures: the least a program does to
// show a property sheet, one empty page in a sheet captioned "Bare Sheet".
// With the argument "exit" the page closes the sheet once it has been made,
// as a quiet run of the panel does.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

bool g_exit = false;

// A 250 x 150 dialog-unit page without controls, in the panel's font.
std::vector<WORD> EmptyPageTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
  auto* page = reinterpret_cast<DLGTEMPLATE*>(words.data());
  page->style = WS_CHILD | WS_CAPTION | DS_SETFONT;
  page->cx = 250;
  page->cy = 150;
  words.push_back(8);
  for (const char* face = "MS Sans Serif";; ++face) {
    words.push_back(static_cast<WORD>(*face));
    if (!*face) break;
  }
  return words;
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG && g_exit) ::PostMessageA(::GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  g_exit = std::strcmp(arguments, "exit") == 0;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  std::vector<WORD> words = EmptyPageTemplate();
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof(page);
  page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
  page.hInstance = instance;
  page.pResource = reinterpret_cast<DLGTEMPLATE*>(words.data());
  page.pfnDlgProc = PageProc;
  page.pszTitle = "Page";
  HPROPSHEETPAGE pages[] = {::CreatePropertySheetPageA(&page)};
  PROPSHEETHEADERA sheet{};
  sheet.dwSize = sizeof(sheet);
  sheet.hInstance = instance;
  sheet.pszCaption = "Bare Sheet";
  sheet.nPages = 1;
  sheet.phpage = pages;
  return static_cast<int>(::PropertySheetA(&sheet)) < 0 ? 1 : 0;
}
