#include "platform/win32/controls/peer_set.h"

#include <stdexcept>

#include "platform/win32/controls/busy_indicator_peer.h"
#include "platform/win32/controls/button_peer.h"
#include "platform/win32/controls/check_box_peer.h"
#include "platform/win32/controls/check_group_peer.h"
#include "platform/win32/controls/check_list_peer.h"
#include "platform/win32/controls/combo_box_peer.h"
#include "platform/win32/controls/edit_peer.h"
#include "platform/win32/controls/group_bar_peer.h"
#include "platform/win32/controls/image_peer.h"
#include "platform/win32/controls/label_peer.h"
#include "platform/win32/controls/panel_peer.h"
#include "platform/win32/controls/picture_button_peer.h"
#include "platform/win32/controls/radio_group_peer.h"
#include "platform/win32/controls/rich_text_view_peer.h"

namespace tamsendor::win32 {

namespace {

template <typename Model>
Model& As(ui::Control& control) {
  return dynamic_cast<Model&>(control);
}

std::unique_ptr<NativePeer> MakePeer(ui::Kind kind, ui::Control& model, PeerContext& context,
                                     HWND parent) {
  using ui::Kind;
  switch (kind) {
    case Kind::Label:
      return std::make_unique<LabelPeer>(As<ui::Label>(model), context, parent);
    case Kind::Button:
      return std::make_unique<ButtonPeer>(As<ui::Button>(model), context, parent);
    case Kind::PictureButton:
      return std::make_unique<PictureButtonPeer>(As<ui::PictureButton>(model), context, parent);
    case Kind::CheckBox:
      return std::make_unique<CheckBoxPeer>(As<ui::CheckBox>(model), context, parent);
    case Kind::CheckGroup:
      return std::make_unique<CheckGroupPeer>(As<ui::CheckGroup>(model), context, parent);
    case Kind::CheckList:
      return std::make_unique<CheckListPeer>(As<ui::CheckList>(model), context, parent);
    case Kind::RadioGroup:
      return std::make_unique<RadioGroupPeer>(As<ui::RadioGroup>(model), context, parent);
    case Kind::ComboBox:
      return std::make_unique<ComboBoxPeer>(As<ui::ComboBox>(model), context, parent);
    case Kind::Edit:
      return std::make_unique<EditPeer>(As<ui::Edit>(model), context, parent);
    case Kind::Panel:
    case Kind::Page:
    case Kind::PageControl:
      return std::make_unique<PanelPeer>(model, context, parent, false);
    case Kind::GroupBox:
      return std::make_unique<PanelPeer>(model, context, parent, true);
    case Kind::Image:
      return std::make_unique<ImagePeer>(As<ui::Image>(model), context, parent);
    case Kind::BusyIndicator:
      return std::make_unique<BusyIndicatorPeer>(As<ui::BusyIndicator>(model), context, parent);
    case Kind::GroupBar:
      return std::make_unique<GroupBarPeer>(As<ui::GroupBar>(model), context, parent);
    case Kind::RichText:
      return std::make_unique<RichTextViewPeer>(As<ui::RichTextView>(model), context, parent);
    case Kind::Group:
      break;
  }
  return nullptr;
}

}  // namespace

PeerSet::PeerSet(ui::ControlSet& controls, HWND form, PeerContext& context) {
  const ui::Layout& rows = controls.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ui::LayoutRow& row = rows[i];
    ui::Control& model = controls.At(i);
    NativePeer* parentPeer = nullptr;
    if (!row.parent.empty()) {
      const auto parent = byName_.find(row.parent);
      if (parent == byName_.end())
        throw std::logic_error("No window for " + row.parent);
      parentPeer = parent->second;
    }
    HWND parent = parentPeer != nullptr ? parentPeer->Handle() : form;

    if (row.kind == ui::Kind::Group) {
      dynamic_cast<GroupBarPeer&>(*parentPeer).AddGroup(As<ui::BarGroup>(model));
      continue;
    }
    if (row.kind == ui::Kind::Page && model.Width() == 0 && model.Height() == 0) {
      RECT area;
      GetClientRect(parent, &area);
      model.SetBounds({0, 0, area.right, area.bottom});
    }
    auto peer = MakePeer(row.kind, model, context, parent);
    peer->ReflectAll();
    byName_[row.name] = peer.get();
    peers_.push_back(std::move(peer));
  }
}

PeerSet::~PeerSet() {
  // Children before their parents.
  while (!peers_.empty())
    peers_.pop_back();
}

HWND PeerSet::Handle(std::string_view name) const {
  const auto peer = byName_.find(name);
  return peer == byName_.end() ? nullptr : peer->second->Handle();
}

}  // namespace tamsendor::win32
