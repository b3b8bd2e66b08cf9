// The base of tests that run the panel's code on a simulated board whose
// registry lives below a root of the test's own.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/command_line.h"
#include "platform/seams.h"
#include "support/registry_root.h"

namespace vexel::test {

class SimulatedBoardTest : public ::testing::Test {
 protected:
  // A booted board described by the words of VEXELPANEL_SIMULATE.
  Seams Board(std::string_view words) const;

  TestRegistryRoot root;
};

// The command line of vexelpanel.exe with these arguments, and its
// upper-cased copy.
CommandLineText PanelCommandLine(const std::string& arguments);

}  // namespace vexel::test
