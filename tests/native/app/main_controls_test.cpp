#include "app/main_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "app/main_form_layout.h"
#include "tests/fakes/virtual_ui_thread.h"

namespace tamsendor::app {
namespace {

ui::Layout::iterator RowNamed(ui::Layout& layout, const char* name) {
  return std::find_if(layout.begin(), layout.end(),
                      [&](const ui::LayoutRow& row) { return row.name == name; });
}

TEST(MainControlsTest, EveryControlIsFoundInTheMainWindowLayout) {
  fakes::VirtualUiThread clock;
  ui::Form window("TForm1");
  ui::ControlSet controls(MainFormLayout(), clock);

  std::unique_ptr<MainControls> c;
  ASSERT_NO_THROW(c = std::make_unique<MainControls>(window, controls));
  EXPECT_EQ(&c->MainWindow, &window);
  EXPECT_EQ(&c->BenchButton, controls.Find("BenchButton"));
  EXPECT_EQ(&c->AdvCircularProgress1, controls.Find("AdvCircularProgress1"));
  EXPECT_EQ(&c->ForLaunch().res, &c->res);
  EXPECT_EQ(&c->ForSettings().ColorCorrBox, &c->ColorCorrBox);
}

TEST(MainControlsTest, AMissingOrRetypedControlFailsAtOnce) {
  fakes::VirtualUiThread clock;
  ui::Form window("TForm1");

  ui::Layout missing = MainFormLayout();
  missing.erase(RowNamed(missing, "HDRBox"));
  ui::ControlSet withoutHdr(missing, clock);
  EXPECT_THROW(MainControls(window, withoutHdr), std::logic_error);

  ui::Layout retyped = MainFormLayout();
  RowNamed(retyped, "CusPossibilities")->kind = ui::Kind::PictureButton;
  ui::ControlSet otherKind(retyped, clock);
  EXPECT_THROW(MainControls(window, otherKind), std::logic_error);
}

}  // namespace
}  // namespace tamsendor::app
