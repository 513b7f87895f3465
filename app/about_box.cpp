#include "app/about_box.h"

#include "ui/layout.h"

namespace tamsendor::app {

namespace {

constexpr int kWidth = 603;
constexpr int kHeight = 698;

}  // namespace

ui::Layout AboutBoxLayout() {
  using ui::Kind;
  using ui::LayoutRow;
  return {LayoutRow("Image1", Kind::Image).At(0, 0, kWidth, kHeight).Picture("about")};
}

TAboutBox::TAboutBox(platform::Timers& timers)
    : LaidOutForm("TAboutBox", AboutBoxLayout(), timers) {
  ui::Form& form = Form();
  // Not on the window (it has no border), but on the taskbar while the splash shows; the
  // main window's own title stays unique for those who look for it.
  form.SetCaption("About Korvalin Tamsendor");
  form.SetBounds({0, 0, kWidth, kHeight});
  form.SetBorderStyle(ui::BorderStyle::None);
  form.SetStaysOnTop(true);
  form.SetPosition(ui::FormPosition::ScreenCenter);
  form.SetBackgroundColor(ui::kBlack);
}

}  // namespace tamsendor::app
