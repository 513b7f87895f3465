#include "ui/control_set.h"

#include "ui/busy_indicator.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_group.h"
#include "ui/check_list.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_bar.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/picture_button.h"
#include "ui/radio_group.h"
#include "ui/rich_text_view.h"

namespace tamsendor::ui {

namespace {

bool HoldsControls(Kind kind) {
  return kind == Kind::Panel || kind == Kind::GroupBox || kind == Kind::Page ||
         kind == Kind::CheckGroup || kind == Kind::RadioGroup;
}

bool FitsParent(Kind kind, Kind parent) {
  if (kind == Kind::Page)
    return parent == Kind::PageControl;
  if (kind == Kind::Group)
    return parent == Kind::GroupBar;
  return HoldsControls(parent);
}

std::unique_ptr<Control> MakeControl(const LayoutRow& row, platform::Timers& timers) {
  switch (row.kind) {
    case Kind::Label:
      return std::make_unique<Label>(row.name);
    case Kind::Button:
      return std::make_unique<Button>(row.name);
    case Kind::PictureButton: {
      auto button = std::make_unique<PictureButton>(row.name);
      button->SetPicture(row.picture);
      return button;
    }
    case Kind::CheckBox:
      return std::make_unique<CheckBox>(row.name);
    case Kind::CheckGroup: {
      auto group = std::make_unique<CheckGroup>(row.name);
      group->SetItems(row.items);
      group->SetColumns(row.columns);
      return group;
    }
    case Kind::CheckList: {
      auto list = std::make_unique<CheckList>(row.name);
      list->SetItems(row.items);
      if (row.itemHeight > 0)
        list->SetItemHeight(row.itemHeight);
      return list;
    }
    case Kind::RadioGroup: {
      auto group = std::make_unique<RadioGroup>(row.name);
      group->SetItems(row.items);
      group->SetColumns(row.columns);
      return group;
    }
    case Kind::ComboBox: {
      auto box = std::make_unique<ComboBox>(
          row.name, row.typedText ? ComboStyle::DropDown : ComboStyle::DropDownList);
      box->SetItems(row.items);
      return box;
    }
    case Kind::Edit:
      return std::make_unique<Edit>(row.name);
    case Kind::Panel:
    case Kind::GroupBox:
    case Kind::Page:
      return std::make_unique<Panel>(row.name);
    case Kind::PageControl:
      return std::make_unique<PageControl>(row.name);
    case Kind::Image: {
      auto image = std::make_unique<Image>(row.name);
      image->SetPicture(row.picture);
      return image;
    }
    case Kind::BusyIndicator:
      return std::make_unique<BusyIndicator>(row.name, timers);
    case Kind::GroupBar:
      return std::make_unique<GroupBar>(row.name);
    case Kind::Group: {
      auto group = std::make_unique<BarGroup>(row.name);
      group->SetItems(row.items);
      return group;
    }
    case Kind::RichText:
      return std::make_unique<RichTextView>(row.name);
  }
  throw std::invalid_argument("Unknown kind of control: " + row.name);
}

}  // namespace

ControlSet::ControlSet(Layout layout, platform::Timers& timers) : layout_(std::move(layout)) {
  for (std::size_t i = 0; i < layout_.size(); ++i) {
    const LayoutRow& row = layout_[i];
    if (row.name.empty() || Find(row.name) != nullptr)
      throw std::invalid_argument("Control name missing or repeated: \"" + row.name + "\"");
    std::size_t parentRow = layout_.size();
    if (!row.parent.empty()) {
      for (std::size_t p = 0; p < i; ++p)
        if (layout_[p].name == row.parent)
          parentRow = p;
      if (parentRow == layout_.size() || !FitsParent(row.kind, layout_[parentRow].kind))
        throw std::invalid_argument("Control " + row.name + " cannot lie in \"" + row.parent +
                                    "\"");
    } else if (row.kind == Kind::Page || row.kind == Kind::Group) {
      throw std::invalid_argument("Control " + row.name + " needs a parent");
    }

    auto control = MakeControl(row, timers);
    control->SetBounds({row.left, row.top, row.width, row.height});
    control->SetCaption(row.caption);
    control->SetHint(row.hint);
    control->SetHotTracked(row.hotTracked);
    if (row.kind == Kind::Page)
      dynamic_cast<PageControl&>(*controls_[parentRow]).AddPage(dynamic_cast<Panel&>(*control));
    if (row.kind == Kind::Group)
      dynamic_cast<GroupBar&>(*controls_[parentRow]).AddGroup(dynamic_cast<BarGroup&>(*control));
    controls_.push_back(std::move(control));
  }
}

const Control* ControlSet::Find(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (layout_[i].name == name)
      return controls_[i].get();
  return nullptr;
}

Control* ControlSet::Find(std::string_view name) {
  return const_cast<Control*>(std::as_const(*this).Find(name));
}

}  // namespace tamsendor::ui
