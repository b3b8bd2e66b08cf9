#include "info/probe/sys_color_takeover.h"

#include "info/probe/sys_colors.h"

namespace vexel {
namespace {

// The first `count` display elements of the table, by their numbers.
std::vector<int> FirstElements(std::size_t count) {
  std::vector<int> elements;
  for (std::size_t i = 0; i < count && i < kSysColorElements.size(); ++i) {
    elements.push_back(kSysColorElements[i].index);
  }
  return elements;
}

}  // namespace

CSysColorTakeover::CSysColorTakeover(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl)
    : m_registry(std::move(registry)), m_gl(std::move(gl)), m_elementCount(kSysColorElements.size()) {}

bool CSysColorTakeover::TakeOver(HDC dc) {
  if (m_gl->SetSystemPaletteUse(dc, SYSPAL_NOSTATIC) != SYSPAL_STATIC) return false;
  m_savedColors.clear();
  std::vector<std::uint32_t> blackAndWhite;
  for (int element : FirstElements(m_elementCount)) {
    m_savedColors.push_back(m_gl->GetSysColor(element));
    blackAndWhite.push_back(kSysColorElements[element].takenOverColor);
  }
  SetColors(blackAndWhite);
  m_bTakenOver = true;
  m_gl->BroadcastSysColorChange();
  return true;
}

void CSysColorTakeover::GiveBack(HDC dc) {
  SetColors(GivenBackColors(*m_registry, m_savedColors));
  m_gl->SetSystemPaletteUse(dc, SYSPAL_STATIC);
  m_gl->BroadcastSysColorChange();
  m_bTakenOver = false;
}

void CSysColorTakeover::SetColors(const std::vector<std::uint32_t>& colors) {
  const std::vector<int> elements = FirstElements(colors.size());
  const std::vector<COLORREF> values(colors.begin(), colors.end());
  m_gl->SetSysColors(elements, values);
}

}  // namespace vexel
