#include "skins/skin_image_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/text.h"

namespace qv::skins {
namespace {

TEST(SkinImageSet, NamesAreUniquePngFilesFoundByName) {
  std::set<std::u16string_view> names;
  for (const SkinImage& image : SkinImageSet()) {
    SCOPED_TRACE(ToUtf8(image.name));
    EXPECT_TRUE(names.insert(image.name).second);
    EXPECT_EQ(image.name.front(), u'/');
    EXPECT_TRUE(image.name.ends_with(u".png"));
    EXPECT_EQ(FindSkinImage(image.name), &image);
  }
  EXPECT_EQ(names.size(), 29u);
  EXPECT_EQ(FindSkinImage(u"main.png"), nullptr);  // the leading "/" is part of the name
  EXPECT_EQ(FindSkinImage(u"/Main.png"), nullptr);
}

TEST(SkinImageSet, EveryPlaceOfAnElementHasTheElementsSize) {
  for (const SkinImage& image : SkinImageSet()) {
    SCOPED_TRACE(ToUtf8(image.name));
    ASSERT_FALSE(image.places.empty());
    EXPECT_GT(image.width, 0);
    EXPECT_GT(image.height, 0);
    EXPECT_NE(image.is_background, image.needs_alpha);
    if (image.is_background) continue;
    for (const layout::Rect& r : image.places) {
      EXPECT_EQ(r.Width(), image.width);
      EXPECT_EQ(r.Height(), image.height);
    }
  }
  EXPECT_EQ(FindSkinImage(u"/button-normal.png")->width, 105);
  EXPECT_EQ(FindSkinImage(u"/DropdownBox-over.png")->width, 211);
  EXPECT_EQ(FindSkinImage(u"/button-PrePage-normal.png")->height, 40);
  EXPECT_EQ(FindSkinImage(u"/slider-RP-dark.png")->height, 11);
}

TEST(SkinImageSet, BackgroundsReachTheFurthestRectangle) {
  const SkinImage* page = FindSkinImage(kPageBackground);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->width, 875);   // the Cancel button's right edge
  EXPECT_EQ(page->height, 647);  // the web address's bottom edge
  const SkinImage* windows = FindSkinImage(u"/windows-key.png");
  ASSERT_NE(windows, nullptr);
  EXPECT_EQ(windows->width, 375);   // Cancel
  EXPECT_EQ(windows->height, 274);  // OK and Cancel: the open list ends above them
  EXPECT_EQ(FindSkinImage(kMainBackground)->places.size(), page->places.size());
}

TEST(SkinImageSet, StatePairsNameTwoImagesOfOneSize) {
  for (const ImagePair& pair : StateImagePairs()) {
    SCOPED_TRACE(ToUtf8(pair.first));
    const SkinImage* a = FindSkinImage(pair.first);
    const SkinImage* b = FindSkinImage(pair.second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(a->width, b->width);
    EXPECT_EQ(a->height, b->height);
  }
  // Every "-normal" image has its "-over" partner in the pairs.
  for (const SkinImage& image : SkinImageSet()) {
    const std::u16string name(image.name);
    const auto at = name.find(u"-normal.png");
    if (at == std::u16string::npos) continue;
    const std::u16string over = name.substr(0, at) + u"-over.png";
    bool paired = false;
    for (const ImagePair& pair : StateImagePairs()) paired |= pair.first == name && pair.second == over;
    EXPECT_TRUE(paired) << ToUtf8(name);
  }
}

}  // namespace
}  // namespace qv::skins
