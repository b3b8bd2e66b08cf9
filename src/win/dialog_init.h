// A dialog's initialisation data: the RT_DLGINIT resource of the dialog's
// template id, whose records fill list and combo boxes with their first items.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace vexel::win {

// The resource type of initialisation data.
inline constexpr WORD kDialogInitResourceType = 240;

// Sends the message of each record to the dialog's control (an item text to
// add). Records are read only as far as the data goes; a record that would
// run past the end, or an unknown message, stops or is skipped.
void RunDialogInit(HWND dialog, std::span<const std::uint8_t> data);

// Runs the initialisation data stored for the template, if there is any.
void RunDialogInit(HWND dialog, HINSTANCE module, UINT templateId);

}  // namespace vexel::win
