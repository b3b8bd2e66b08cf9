// A whole run of the panel's sheet on a simulated board, as a user makes it:
// every page opened, the hidden Advanced page by its gesture, the sheet
// applied, every message box read and answered; and the raw registry reads
// and writes that tests need around such a run.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/property_sheet.h"
#include "support/ui_driver.h"

namespace vexel::test {

// What the user saw during a whole run.
struct WholeRunSeen {
  std::string aboutInfo;          // the About page's information text
  std::string advancedClock;      // the Advanced page's memory clock
  std::vector<std::string> told;  // every message box, in order
};

// Steps run with the sheet open, after every page was shown and before OK.
using SheetSteps = std::function<void(UiDriver&, CMyPropertySheet&)>;

// Shows About, Settings, 3D Settings and Advanced, runs `steps`, presses OK
// and answers each message box with OK. A page that refuses to be left keeps
// the sheet open after its box: the run then ends with Cancel.
WholeRunSeen RunEveryPage(CMyPropertySheet& sheet, const SheetSteps& steps = {});

// A registry value as stored: its type and its bytes.
struct RawValue {
  DWORD type = REG_NONE;
  std::string bytes;
  friend bool operator==(const RawValue&, const RawValue&) = default;
};
using RawValues = std::map<std::string, RawValue, std::less<>>;

// Every value of a key below `parent`, empty when the key cannot be read.
RawValues ReadRawValues(HKEY parent, const std::string& path);

// Stores exactly these bytes with this type, making the key when needed;
// the name is written in UTF-16 so that odd byte counts of text types stay.
void PutRawValue(HKEY parent, const std::string& path, std::string_view name, const RawValue& value);

// A little-endian double word as the registry stores it.
RawValue Dword(std::uint32_t value);
// Text as UTF-16LE bytes, with its NUL when `terminated`.
std::string Utf16Bytes(std::u16string_view text, bool terminated = true);

}  // namespace vexel::test
