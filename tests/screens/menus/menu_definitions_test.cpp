// The two menus' definitions against their pictures: every picture is drawn at its natural size,
// so each image rectangle must be exactly the picture's size.
#include <gtest/gtest.h>

#include "screens/menus/menu_screen.h"
#include "screens/menus/number_menu_screen.h"
#include "ui/geometry.h"

namespace metria::testing {
namespace {

void expect_natural_sizes(const ScreenDef& def) {
  int images = 0;
  for (const ControlDef& c : def.controls) {
    if (c.kind != ControlKind::Image) continue;
    ++images;
    const PictureInfo info = picture_info(c.picture);
    EXPECT_FALSE(c.stretch) << c.name;
    EXPECT_EQ(c.rect.width, info.width * kTwipsPerPixel) << c.name;
    EXPECT_EQ(c.rect.height, info.height * kTwipsPerPixel) << c.name;
  }
  EXPECT_EQ(images, 4);
}

TEST(MenuDefinitions, MainMenuImagesAtNaturalSize) { expect_natural_sizes(menu_definition()); }

TEST(MenuDefinitions, SubMenuImagesAtNaturalSize) { expect_natural_sizes(number_menu_definition()); }

// The choices stand on their signboards: each label lies wholly inside its board.
TEST(MenuDefinitions, EachChoiceSitsOnItsSignboard) {
  const ScreenDef& def = number_menu_definition();
  const auto rect_of = [&](std::string_view name, int index) {
    for (const ControlDef& c : def.controls)
      if (c.name == name && c.index == index) return c.rect;
    ADD_FAILURE() << name << " missing";
    return Rect{};
  };
  const auto inside = [](const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
  };
  EXPECT_TRUE(inside(rect_of("Label3", 0), rect_of("Image3", kNoIndex)));
  EXPECT_TRUE(inside(rect_of("Label3", 1), rect_of("Image4", kNoIndex)));
}

}  // namespace
}  // namespace metria::testing
