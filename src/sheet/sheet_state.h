// What the sheet learned at start-up and its pages read: one plain record that
// the sheet owns and hands to each page it constructs.
#pragma once
#include <cstdint>
#include <string>

#include "core/display_mode.h"
#include "core/driver_info_reply.h"
#include "core/exit_status.h"

namespace vexel {

struct SheetState {
  bool m_bQuiet = false;
  std::string m_strExportFile;
  // The driver's settings key below HKEY_LOCAL_MACHINE.
  std::string m_strRegistryPath;
  bool m_bDriverAnswered = false;
  std::string m_strOpenGL;
  std::string m_strDeviceKey;
  uint32_t m_dwMemorySize = 0;
  DriverInfoReply m_DriverInfo;
  // The board model, upper case: switch S or the remembered one.
  std::string m_strCardName;
  vexel::ModeCatalogue ModeCatalogue;
  // The run's failures (exit_status.h), ORed together.
  int m_nExitStatus = kExitOk;
};

}  // namespace vexel
