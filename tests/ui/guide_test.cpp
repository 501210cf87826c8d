#include "ui/guide.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Guide, ThePageOfTheLanguageInUseAndEnglishForAnyOtherCode) {
  const std::u16string dir = u"C:\\Program Files\\QV318_Driver\\";
  EXPECT_EQ(GuidePath(dir, u"CHS"), dir + u"Help\\guide-CHS.html");
  EXPECT_EQ(GuidePath(dir, u"CHT"), dir + u"Help\\guide-CHT.html");
  EXPECT_EQ(GuidePath(dir, u"EN"), dir + u"Help\\guide-EN.html");
  EXPECT_EQ(GuidePath(dir, u"chs"), dir + u"Help\\guide-EN.html");  // the tables match exactly
  EXPECT_EQ(GuidePath(dir, u""), dir + u"Help\\guide-EN.html");
}

}  // namespace
}  // namespace qv
