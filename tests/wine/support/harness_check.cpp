// Tests that fail on purpose, run only by cmake/check-harness.sh to prove
// what the harness promises when a test goes wrong.
#include <windows.h>
#include <gtest/gtest.h>

#include "support/ui_driver.h"

namespace vexel::test {
namespace {

TEST(HarnessCheck, DISABLED_LeavesAModalDialogOpen) {
  ::MessageBoxA(nullptr, "Nobody answers this box.", "Hung test", MB_OK);
}

// Runs after the hung case above, in the process that the harness starts
// for the cases it did not reach.
TEST(HarnessCheck, DISABLED_RunsAfterTheHungCase) { SUCCEED(); }

// The script stops at its failed assertion, before its step that would have
// answered the Yes/No box (which has no Cancel button) that stands in for a
// test's dialog.
TEST(HarnessCheck, DISABLED_AFailedScriptAssertionClosesWhatTheTestOpened) {
  UiDriver ui;
  ui.Start([](UiDriver& driver) {
    ASSERT_NE(driver.WaitForWindow("Failing test"), nullptr);
    ASSERT_TRUE(false) << "the failure this check expects";
    driver.AnswerMessageBox(IDNO);
  });
  ::MessageBoxA(nullptr, "Only the driver's clean-up answers this box.", "Failing test", MB_YESNO);
  ui.Join();
}

}  // namespace
}  // namespace vexel::test
