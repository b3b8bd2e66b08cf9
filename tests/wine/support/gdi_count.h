// The number of GDI objects this process holds.
#pragma once

namespace vexel::test {

// GetGuiResources where the system implements it. Wine's is a stub that
// answers 0, so there the entries of the process's own GDI handle table
// (the PEB's GdiSharedHandleTable, per process under Wine) are counted.
unsigned long GdiObjectCount();

}  // namespace vexel::test
