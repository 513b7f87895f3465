#pragma once

#include <string>
#include <vector>

namespace tamsendor::ui {

enum class Kind {
  Label,
  Button,
  PictureButton,
  CheckBox,
  CheckGroup,
  CheckList,  // a scrollable list with a check box per item
  RadioGroup,
  ComboBox,
  Edit,
  Panel,
  GroupBox,  // a framed group of controls, its caption in the frame
  PageControl,
  Page,  // parent: a PageControl
  Image,
  BusyIndicator,
  GroupBar,
  Group,     // parent: a GroupBar
  RichText,  // a read-only view of formatted text with links
};

// One control of a window's design: where it sits (client pixels of its parent; an empty parent
// is the window itself), what it shows and what it hints. Rows come parents first, and each row
// lies above the rows before it. Written as
//   LayoutRow("SpeedButton1", Kind::PictureButton).At(533, 7, 18, 17).Hint("Exit")
struct LayoutRow {
  LayoutRow(std::string rowName, ui::Kind rowKind, std::string parentName = {})
      : name(std::move(rowName)), kind(rowKind), parent(std::move(parentName)) {}

  LayoutRow& At(int x, int y, int w, int h) {
    left = x;
    top = y;
    width = w;
    height = h;
    return *this;
  }
  LayoutRow& Caption(std::string text) {
    caption = std::move(text);
    return *this;
  }
  LayoutRow& Items(std::vector<std::string> texts) {
    items = std::move(texts);
    return *this;
  }
  LayoutRow& Hint(std::string text) {
    hint = std::move(text);
    return *this;
  }
  LayoutRow& Picture(std::string artwork) {
    picture = std::move(artwork);
    return *this;
  }
  LayoutRow& Columns(int count) {
    columns = count;
    return *this;
  }
  // Check and radio groups: the item under the pointer is lit.
  LayoutRow& HotTracked() {
    hotTracked = true;
    return *this;
  }
  // Combo boxes: the field takes typed text besides the list's items.
  LayoutRow& TakesTypedText() {
    typedText = true;
    return *this;
  }
  LayoutRow& ItemHeight(int pixels) {
    itemHeight = pixels;
    return *this;
  }

  std::string name;
  ui::Kind kind;
  std::string parent;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  std::vector<std::string> items;
  std::string hint;
  std::string picture;      // the artwork of images and picture buttons
  int columns = 1;          // check and radio groups
  int itemHeight = 0;       // check lists; 0 keeps the list's own
  bool typedText = false;   // combo boxes
  bool hotTracked = false;  // check and radio groups
};

using Layout = std::vector<LayoutRow>;

}  // namespace tamsendor::ui
