// The skins the build rendered into the install layout, read back through GDI+, the
// decoder the program uses.
#include <windows.h>
#include <objidl.h>
// gdiplus.h needs min and max, which NOMINMAX hides.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/win32/wide.h"
#include "config/skin_palette.h"
#include "config/win32/profile_store_win32.h"
#include "skins/skin_image_set.h"
#include "ui/win32/gdiplus_session.h"

namespace qv::skins {
namespace {

using layout::Rect;
using win::U16;
using win::Wide;

// QV_DIST_DIR is a host path; under Wine the host's root is drive Z:.
std::wstring DistDir() {
  std::wstring dir = Wide(FromUtf8(QV_DIST_DIR));
  if (!dir.empty() && dir.front() == L'/') dir = L"Z:" + dir;
  std::replace(dir.begin(), dir.end(), L'/', L'\\');
  return dir;
}

std::vector<std::wstring> SkinFolders() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((DistDir() + L"\\Skins\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string Narrow(const std::wstring& text) { return ToUtf8(U16(text)); }

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;  // straight alpha, row by row
  uint8_t Alpha(int x, int y) const { return static_cast<uint8_t>(argb[y * width + x] >> 24); }
};

class SkinFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gdiplus_ = qv::win::GdiplusHold::Start();
    ASSERT_TRUE(gdiplus_);
  }
  static void TearDownTestSuite() { gdiplus_ = qv::win::GdiplusHold(); }
  // The tests loop over the shipped skins: finding none must fail them, not pass them empty.
  void SetUp() override { ASSERT_GE(SkinFolders().size(), 2u) << "no skins under " << Narrow(DistDir()); }

  // Decodes the file as the program does; nullptr when GDI+ cannot read it.
  static std::unique_ptr<Image> Load(const std::wstring& skin, std::u16string_view name) {
    std::wstring path = DistDir() + L"\\Skins\\" + skin + Wide(name);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return nullptr;
    auto image = std::make_unique<Image>();
    image->width = static_cast<int>(bitmap.GetWidth());
    image->height = static_cast<int>(bitmap.GetHeight());
    if (image->width <= 0 || image->height <= 0) return nullptr;
    image->argb.resize(static_cast<size_t>(image->width) * image->height);
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(image->width);
    data.Height = static_cast<UINT>(image->height);
    data.Stride = image->width * 4;
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = image->argb.data();
    Gdiplus::Rect all(0, 0, image->width, image->height);
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, PixelFormat32bppARGB,
                        &data) != Gdiplus::Ok)
      return nullptr;
    bitmap.UnlockBits(&data);
    return image;
  }

  static qv::win::GdiplusHold gdiplus_;
};
qv::win::GdiplusHold SkinFiles::gdiplus_;

TEST_F(SkinFiles, TheInstallLayoutHoldsTheShippedSkins) {
  const auto skins = SkinFolders();
  ASSERT_GE(skins.size(), 2u) << "no skins under " << Narrow(DistDir());
  EXPECT_NE(std::find(skins.begin(), skins.end(), L"Carbon"), skins.end());
  EXPECT_NE(std::find(skins.begin(), skins.end(), L"Frost"), skins.end());
}

TEST_F(SkinFiles, EverySkinNamesTheTextColourItIsDrawnForAndTheAccentOfItsFocus) {
  win::Win32ProfileStore profile;  // as the skins dialog reads skin.ini
  for (const std::wstring& skin : SkinFolders()) {
    // The program's own form of a skin folder: the program directory, "/Skins/", the name.
    const std::u16string folder = U16(DistDir() + L"\\/Skins/" + skin);
    EXPECT_TRUE(RecommendedTextColour(profile, folder).has_value()) << Narrow(skin);
    EXPECT_TRUE(SkinAccent(profile, folder).has_value()) << Narrow(skin);
  }
}

TEST_F(SkinFiles, EveryImageDecodesAtTheSizeItsRectanglesNeed) {
  for (const std::wstring& skin : SkinFolders()) {
    for (const SkinImage& expected : SkinImageSet()) {
      SCOPED_TRACE(Narrow(skin) + ToUtf8(expected.name));
      const auto image = Load(skin, expected.name);
      if (!image) {
        ADD_FAILURE() << "missing or not decodable";
        continue;
      }
      if (!expected.is_background) {
        EXPECT_EQ(image->width, expected.width);
        EXPECT_EQ(image->height, expected.height);
        continue;
      }
      for (const Rect& r : expected.places) {
        EXPECT_TRUE((Rect{0, 0, image->width, image->height}.Contains(r)))
            << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ") pokes out of "
            << image->width << "x" << image->height;
      }
    }
  }
}

TEST_F(SkinFiles, TransparencyWhereArtIsDrawnOverArtAndNoneInBackgrounds) {
  for (const std::wstring& skin : SkinFolders()) {
    for (const SkinImage& expected : SkinImageSet()) {
      SCOPED_TRACE(Narrow(skin) + ToUtf8(expected.name));
      const auto image = Load(skin, expected.name);
      if (!image) continue;  // reported by the size test
      int translucent = 0;
      for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) translucent += image->Alpha(x, y) < 255;
      if (expected.needs_alpha) {
        EXPECT_GT(translucent, 0) << "rounded corners need alpha";
        EXPECT_GT(image->Alpha(image->width / 2, image->height / 2), 0) << "the middle is drawn";
      } else {
        // A background becomes the window's canvas: every pixel must be opaque.
        EXPECT_EQ(translucent, 0);
      }
    }
  }
}

TEST_F(SkinFiles, StatePairsShareTheirSizeAndLookDifferent) {
  for (const std::wstring& skin : SkinFolders()) {
    for (const ImagePair& pair : StateImagePairs()) {
      SCOPED_TRACE(Narrow(skin) + ToUtf8(pair.first) + " / " + ToUtf8(pair.second));
      const auto a = Load(skin, pair.first);
      const auto b = Load(skin, pair.second);
      if (!a || !b) continue;  // reported by the size test
      if (a->width != b->width || a->height != b->height) {
        ADD_FAILURE() << a->width << "x" << a->height << " against " << b->width << "x" << b->height;
        continue;
      }
      size_t differing = 0;
      for (size_t i = 0; i < a->argb.size(); ++i) differing += a->argb[i] != b->argb[i];
      // Visibly different: more than a stray pixel or two.
      EXPECT_GT(differing, a->argb.size() / 20) << differing << " of " << a->argb.size() << " pixels differ";
    }
  }
}

TEST_F(SkinFiles, SkinsDifferFromEachOther) {
  const auto skins = SkinFolders();
  for (size_t i = 0; i < skins.size(); ++i)
    for (size_t j = i + 1; j < skins.size(); ++j)
      for (std::u16string_view name : {kPageBackground, std::u16string_view(u"/button-normal.png")}) {
        const auto a = Load(skins[i], name);
        const auto b = Load(skins[j], name);
        if (!a || !b) continue;  // reported by the size test
        EXPECT_FALSE(a->argb == b->argb) << ToUtf8(name) << " is the same in " << Narrow(skins[i]) << " and "
                                         << Narrow(skins[j]);
      }
}

}  // namespace
}  // namespace qv::skins
