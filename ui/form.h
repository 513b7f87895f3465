#pragma once

#include <functional>

#include "ui/control.h"

namespace tamsendor::ui {

// The window itself, beyond what any control does.
class FormPeer : public ControlPeer {
 public:
  // Paints the whole window now instead of when the message loop gets round to it.
  virtual void RepaintNow() = 0;
  // Lets the user drag the window with the mouse button that is down, as if by its caption.
  virtual void BeginMouseMove() = 0;
  // The close went through; the window goes away.
  virtual void Closed() = 0;
};

enum class BorderStyle { None, Single };
enum class FormPosition { DesktopCenter, OwnerCenter };

// A top-level window. Its Bounds are the client area; Left and Top are where it stands on the
// screen once shown (FormPosition decides them when it is first shown). Caption is its title.
class Form : public Control {
 public:
  // Hidden until shown.
  explicit Form(std::string name) : Control(std::move(name)) { SetVisible(false); }

  ui::BorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(ui::BorderStyle style) { borderStyle_ = style; }
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }
  bool StaysOnTop() const { return staysOnTop_; }
  void SetStaysOnTop(bool onTop) { staysOnTop_ = onTop; }

  void AttachFormPeer(FormPeer* peer);

  // Fires OnShow when the window becomes visible.
  void Show() { SetVisible(true); }
  void Repaint();
  void BeginMouseMove();
  // A request to close: OnCloseQuery may refuse it; otherwise OnClose runs, the window hides and
  // its peer is told. True when the window closed.
  bool Close();

  std::function<void()> OnShow;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnClose;

 protected:
  void ActivityChanged() override;

 private:
  ui::BorderStyle borderStyle_ = ui::BorderStyle::None;
  FormPosition position_ = FormPosition::DesktopCenter;
  bool staysOnTop_ = false;
  bool shown_ = false;
  FormPeer* formPeer_ = nullptr;
};

}  // namespace tamsendor::ui
