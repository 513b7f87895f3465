#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tamsendor::ui {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kSilver{192, 192, 192};

enum class Cursor { Default, HandPoint };
enum class MouseButton { Left, Right, Middle };

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

// What changed on a model; its peer reads the new value from the model itself.
enum class Property {
  Caption,
  Visible,
  Enabled,
  Hint,
  Bounds,
  Font,
  Colors,
  Cursor,
  Checked,
  Items,
  ItemState,
  ItemIndex,
  Text,
  MaxLength,
  ReadOnly,
  Picture,
  Step,
  OpenGroup,
  TabStop,
};

// The real control behind a model. The model tells it what changed; the peer forwards what the
// user does by calling the model's Handle... operations.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Reflect(Property changed) = 0;
};

// What every control has. Setters tell the peer only when the value really changes, so a peer
// that writes a user's edit back into the model does not loop.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Set(caption_, std::move(caption), Property::Caption); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { Set(hint_, std::move(hint), Property::Hint); }

  const ui::Bounds& Bounds() const { return bounds_; }
  void SetBounds(const ui::Bounds& bounds) { Set(bounds_, bounds, Property::Bounds); }
  int Left() const { return bounds_.left; }
  void SetLeft(int left);
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }

  int FontSize() const { return fontSize_; }
  void SetFontSize(int points) { Set(fontSize_, points, Property::Font); }

  // Unset colours are the parent's background and the window's default text colour.
  std::optional<Color> BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(std::optional<Color> color) {
    Set(backgroundColor_, color, Property::Colors);
  }
  std::optional<Color> FontColor() const { return fontColor_; }
  void SetFontColor(std::optional<Color> color) { Set(fontColor_, color, Property::Colors); }

  ui::Cursor Cursor() const { return cursor_; }
  void SetCursor(ui::Cursor cursor) { Set(cursor_, cursor, Property::Cursor); }

  // Whether Tab stops at the control (of the kinds the keyboard can reach).
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { Set(tabStop_, tabStop, Property::TabStop); }

  // Whether the part under the pointer (an item of a check or radio group) is lit.
  bool HotTracked() const { return hotTracked_; }
  void SetHotTracked(bool hotTracked) { Set(hotTracked_, hotTracked, Property::Colors); }

  std::function<void()> OnClick;
  std::function<void()> OnMouseLeave;
  std::function<void(MouseButton button, int x, int y)> OnMouseDown;

  // What the user did, as the peer (or a test) reports it. A disabled control ignores clicks.
  void HandleClick();
  void HandleMouseLeave();
  void HandleMouseDown(MouseButton button, int x, int y);
  // A change the user made with the keyboard. Some choices are stored when the pointer leaves
  // their control; a keyboard change has no pointer that leaves, so that store runs now.
  void HandleKeyboardChange() { HandleMouseLeave(); }

  // nullptr leaves the control headless.
  void AttachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

 protected:
  void Changed(Property changed) {
    if (peer_ != nullptr)
      peer_->Reflect(changed);
  }
  template <typename T>
  bool Set(T& field, T value, Property changed) {
    if (field == value)
      return false;
    field = std::move(value);
    Changed(changed);
    return true;
  }
  // Runs after Visible or Enabled changed, for kinds whose behaviour depends on them.
  virtual void ActivityChanged() {}

 private:
  std::string name_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  ui::Bounds bounds_;
  int fontSize_ = 8;
  std::optional<Color> backgroundColor_;
  std::optional<Color> fontColor_;
  ui::Cursor cursor_ = ui::Cursor::Default;
  bool hotTracked_ = false;
  bool tabStop_ = true;
  ControlPeer* peer_ = nullptr;
};

}  // namespace tamsendor::ui
