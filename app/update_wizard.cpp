#include "app/update_wizard.h"

#include "ui/button.h"
#include "ui/label.h"

namespace tamsendor::app {

ui::Layout UpdateWizardLayout() {
  using ui::Kind;
  using ui::LayoutRow;
  return {
      LayoutRow("FileLabel", Kind::Label).At(16, 16, 328, 14),
      LayoutRow("FilesLabel", Kind::Label).At(16, 36, 328, 14),
      LayoutRow("RateLabel", Kind::Label).At(16, 56, 328, 14),
      LayoutRow("TimeLeftLabel", Kind::Label).At(16, 76, 328, 14),
      LayoutRow("CancelButton", Kind::Button).At(140, 106, 80, 23).Caption("Cancel"),
  };
}

TUpdateWizard::TUpdateWizard(platform::Timers& timers)
    : LaidOutForm("TUpdateWizard", UpdateWizardLayout(), timers) {
  ui::Form& form = Form();
  form.SetCaption("Downloading the update");
  form.SetBounds({0, 0, 360, 145});
  form.SetBorderStyle(ui::BorderStyle::Single);
  form.SetPosition(ui::FormPosition::OwnerCenter);
}

update::WizardControls TUpdateWizard::Parts() {
  ui::ControlSet& c = Controls();
  return {Form(),
          c.Get<ui::Label>("FileLabel"),
          c.Get<ui::Label>("FilesLabel"),
          c.Get<ui::Label>("RateLabel"),
          c.Get<ui::Label>("TimeLeftLabel"),
          c.Get<ui::Button>("CancelButton")};
}

}  // namespace tamsendor::app
