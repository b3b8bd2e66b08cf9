// The application object: start-up runs the modal sheet and the program ends
// when it closes.
#pragma once

namespace vexel {

class CVexelPanelApp {
 public:
  // Runs the panel; false, so the application ends when it returns.
  bool InitInstance();
  // The run's failures ORed together (exit_status.h), 0 when none.
  int ExitCode() const { return m_exitCode; }

 private:
  int m_exitCode = 0;
};

}  // namespace vexel
