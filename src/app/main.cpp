#include <windows.h>

#include "app/panel_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vexel::CVexelPanelApp app;
  app.InitInstance();
  return app.ExitCode();
}
