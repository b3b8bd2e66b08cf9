// CSysColorTakeover: while an OpenGL window's pixel format needs the whole
// system palette, the static colours are free for the window and the system
// colours switch to black and white, so the desktop stays readable; they come
// back from the user's settings when the window goes.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "info/probe/gl_api.h"
#include "platform/registry.h"

namespace vexel {

class CSysColorTakeover {
 public:
  CSysColorTakeover(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl);

  // How many of the display elements the running system lets us take over.
  void SetElementCount(std::size_t count) { m_elementCount = count; }
  bool IsTakenOver() const { return m_bTakenOver; }

  // Switches the system palette to no-static use and the elements to their
  // black or white colours. False, with nothing taken over, unless the palette
  // was in static use before the switch.
  bool TakeOver(HDC dc);
  // Gives the elements the user's colours (or those saved at take-over) and
  // the system palette its static colours again.
  void GiveBack(HDC dc);

 private:
  // Sets as many elements, from the first, as there are colours.
  void SetColors(const std::vector<std::uint32_t>& colors);

  std::shared_ptr<Registry> m_registry;
  std::shared_ptr<GlApi> m_gl;
  std::size_t m_elementCount;
  bool m_bTakenOver = false;
  std::vector<std::uint32_t> m_savedColors;
};

}  // namespace vexel
