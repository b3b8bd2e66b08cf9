#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "win/dialog_template.h"

namespace vexel::win {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::initializer_list<std::uint32_t> words) {
  for (std::uint32_t word : words) bytes.insert(bytes.end(), {std::uint8_t(word & 0xFF), std::uint8_t(word >> 8)});
}
// A NUL-ended text, or an ordinal written as "#number".
void Name(Bytes& bytes, const std::string& name) {
  if (name.starts_with('#')) return Put(bytes, {0xFFFF, static_cast<std::uint32_t>(std::stoul(name.substr(1)))});
  for (char c : name) Put(bytes, {static_cast<unsigned char>(c)});
  Put(bytes, {0});
}

struct Item {
  std::uint16_t id;
  std::string className, text;
  Bytes data;
};

// A DIALOG template as the resource compiler lays it out, with no menu.
Bytes Template(std::uint16_t style, const std::vector<Item>& items) {
  Bytes bytes;
  Put(bytes, {style, 0, 0, 0, static_cast<std::uint32_t>(items.size()), 0, 0, 242, 176, 0, 0});
  Name(bytes, "About");
  if (style & 0x40) {
    Put(bytes, {8});
    Name(bytes, "MS Sans Serif");
  }
  for (const Item& item : items) {
    bytes.resize((bytes.size() + 3) / 4 * 4);
    Put(bytes, {0x0005, 0x5000, 0, 0, 19, 20, 120, 42, item.id});
    Name(bytes, item.className);
    Name(bytes, item.text);
    Put(bytes, {static_cast<std::uint32_t>(item.data.size())});
    bytes.insert(bytes.end(), item.data.begin(), item.data.end());
  }
  return bytes;
}

const Item kLegal{1003, "#130", "Copyright", {}};
const Item kAnimation{1033, "SysAnimate32", "", {}};
const Item kButton{1, "#128", "OK", {0xAB, 0xCD}};
const Item kIcon{2, "#130", "#32515", {}};

struct Case {
  std::uint16_t style;
  std::vector<Item> items;
  std::vector<std::uint16_t> leftOut;
  std::vector<Item> kept;
};

TEST(DialogTemplateWithout, LeavesOutTheItemsOfTheIdsAndKeepsTheRest) {
  const Case cases[] = {
      {0x40, {kLegal, kAnimation, kButton}, {1033}, {kLegal, kButton}},
      {0x40, {kAnimation, kLegal, kIcon, kButton}, {1033, 1}, {kLegal, kIcon}},
      {0x40, {kLegal, kButton}, {1033}, {kLegal, kButton}},
      {0, {kIcon, kAnimation}, {1033}, {kIcon}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DialogTemplateWithout(Template(c.style, c.items), c.leftOut), Template(c.style, c.kept));
  }
}

TEST(DialogTemplateWithout, RefusesCutAndExtendedTemplates) {
  const std::uint16_t animation[] = {1033};
  Bytes whole = Template(0x40, {kLegal, kAnimation, kButton});
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_EQ(DialogTemplateWithout({whole.data(), size}, animation), std::nullopt) << size;
  }
  whole[2] = whole[3] = 0xFF;  // DLGTEMPLATEEX's signature
  EXPECT_EQ(DialogTemplateWithout(whole, animation), std::nullopt);
}

}  // namespace
}  // namespace vexel::win
