// The number of GDI and USER objects this process holds, and its private bytes.
#pragma once

#include <cstddef>

namespace vexel::test {

// GetGuiResources where the system implements it. Wine's is a stub that
// answers 0, so there the entries of the process's own GDI handle table
// (the PEB's GdiSharedHandleTable, per process under Wine) are counted.
unsigned long GdiObjectCount();

// GetGuiResources where the system implements it. Under Wine, whose USER
// handle table is not readable from a process, the count is made up of the
// process's windows (every top-level window of its threads and all their
// descendants) and the menus and cursors or icons it owns, found by asking
// user32 about every USER handle slot.
unsigned long UserObjectCount();

// What GetGuiResources itself says (0 from Wine's stub).
unsigned long ReportedGdiObjects();
unsigned long ReportedUserObjects();

// The committed private memory of the process: every committed MEM_PRIVATE
// region, which is what private bytes are made of. Wine's PrivateUsage,
// below, answers 0.
std::size_t PrivateBytes();
// PrivateUsage from K32GetProcessMemoryInfo.
std::size_t ReportedPrivateUsage();

}  // namespace vexel::test
