#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_form_layout.h"
#include "app/news_form.h"
#include "app/picker_layout.h"
#include "platform/win32/artwork/program_artwork.h"
#include "ui/layout.h"

namespace tamsendor::win32::artwork {
namespace {

// Every picture the windows' layouts name: a name the painter does not know paints nothing, and
// the control stays a blank rectangle with no error anywhere.
std::set<std::string> PicturesOfTheLayouts() {
  const ui::Layout layouts[] = {app::MainFormLayout(), app::PickerLayout(), app::AboutBoxLayout(),
                                app::NewsFormLayout()};
  std::set<std::string> pictures;
  for (const ui::Layout& layout : layouts)
    for (const ui::LayoutRow& row : layout)
      if (!row.picture.empty())
        pictures.insert(row.picture);
  return pictures;
}

// A 32-bit memory bitmap filled with one colour, to paint a picture into and see what it drew.
class Canvas {
 public:
  static constexpr int kWidth = 603;
  static constexpr int kHeight = 698;
  static constexpr std::uint32_t kBlank = 0x00FF00FF;

  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    std::fill(pixels_, pixels_ + kWidth * kHeight, kBlank);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC Dc() const { return dc_; }
  RECT Area() const { return {0, 0, kWidth, kHeight}; }
  int PaintedPixels() const {
    GdiFlush();
    return static_cast<int>(kWidth * kHeight -
                            std::count(pixels_, pixels_ + kWidth * kHeight, kBlank));
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

TEST(ProgramArtworkTest, EveryPictureTheLayoutsNameIsOneThePainterKnows) {
  const std::vector<std::string> known = ProgramArtwork::PictureNames();
  const std::set<std::string> pictures = PicturesOfTheLayouts();
  ASSERT_FALSE(pictures.empty());
  for (const std::string& picture : pictures)
    EXPECT_NE(std::find(known.begin(), known.end(), picture), known.end())
        << "\"" << picture << "\" is in a layout, but the painter does not know it";
}

// The names the painter gives are the ones it draws: each leaves pixels on the canvas, and a name
// it does not know leaves none.
TEST(ProgramArtworkTest, EachNameItKnowsPaintsAndNoOtherDoes) {
  const ProgramArtwork artwork;
  for (const std::string& picture : ProgramArtwork::PictureNames()) {
    Canvas canvas;
    artwork.Paint(picture, canvas.Dc(), canvas.Area(), ArtState{});
    EXPECT_GT(canvas.PaintedPixels(), 0) << picture;
  }
  Canvas canvas;
  artwork.Paint("no such picture", canvas.Dc(), canvas.Area(), ArtState{});
  EXPECT_EQ(canvas.PaintedPixels(), 0);
}

}  // namespace
}  // namespace tamsendor::win32::artwork
