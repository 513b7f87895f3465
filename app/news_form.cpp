#include "app/news_form.h"

#include "ui/layout.h"

namespace tamsendor::app {

ui::Layout NewsFormLayout() {
  return {};
}

TForm5::TForm5(platform::Timers& timers) : LaidOutForm("TForm5", NewsFormLayout(), timers) {
  ui::Form& form = Form();
  form.SetCaption("Pelloquin NEWS");
  form.SetBounds({0, 0, 520, 500});
  form.SetBorderStyle(ui::BorderStyle::Single);
  form.SetStaysOnTop(true);
  form.SetPosition(ui::FormPosition::DesktopCenter);
  form.SetBackgroundColor(ui::kBlack);
}

}  // namespace tamsendor::app
