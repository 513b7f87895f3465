#include "app/news_form.h"

namespace tamsendor::app {

namespace {

// Light text on the window's black.
constexpr ui::Color kNewsText{224, 224, 224};

}  // namespace

ui::Layout NewsFormLayout() {
  using ui::Kind;
  using ui::LayoutRow;
  return {LayoutRow("WebBrowser", Kind::RichText).At(0, 0, 520, 500)};
}

TForm5::TForm5(ui::Form& mainWindow, const news::NewsPage::Services& services,
               std::string newsAddress)
    : LaidOutForm("TForm5", NewsFormLayout(), services.timers),
      news_(services, WebBrowser(), std::move(newsAddress)) {
  ui::Form& form = Form();
  form.SetCaption("Pelloquin NEWS");
  form.SetBounds({0, 0, 520, 500});
  form.SetBorderStyle(ui::BorderStyle::Single);
  form.SetStaysOnTop(true);
  form.SetPosition(ui::FormPosition::DesktopCenter);
  form.SetBackgroundColor(ui::kBlack);
  WebBrowser().SetBackgroundColor(ui::kBlack);
  WebBrowser().SetFontColor(kNewsText);
  WebBrowser().SetFontSize(10);
  mainWindow.OnShow = [this] { MainFormShow(); };
}

void TForm5::MainFormShow() {
  news_.CheckOnline();
  if (news_.IsOnline())
    news_.Navigate();
  Form().Show();
}

}  // namespace tamsendor::app
