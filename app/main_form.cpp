#include "app/main_form.h"

#include "app/main_form_layout.h"
#include "ui/image.h"
#include "ui/picture_button.h"

namespace tamsendor::app {

TForm1::TForm1(ui::Application& application, platform::Timers& timers)
    : form_("TForm1"),
      controls_(MainFormLayout(), timers),
      lifecycle_(application, form_, cleanUp_) {
  ApplyMainFormDesign(form_, controls_);
  Connect();
}

void TForm1::Connect() {
  controls_.Get<ui::PictureButton>("SpeedButton2").OnClick = [this] {
    lifecycle_.SpeedButton2Click();
  };
  controls_.Get<ui::PictureButton>("SpeedButton1").OnClick = [this] {
    lifecycle_.SpeedButton1Click();
  };
  controls_.Get<ui::Image>("Image4").OnMouseDown = [this](ui::MouseButton button, int, int) {
    lifecycle_.Image4MouseDown(button);
  };
  form_.OnCloseQuery = [this](bool& canClose) { lifecycle_.FormCloseQuery(canClose); };
  form_.OnClose = [this] { lifecycle_.FormClose(); };
}

}  // namespace tamsendor::app
