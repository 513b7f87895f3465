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
// DesktopCenter: the middle of the work area (the desktop less the taskbar); ScreenCenter: the
// middle of the whole primary screen.
enum class FormPosition { DesktopCenter, ScreenCenter, OwnerCenter };

// A top-level window. Its Bounds are the client area; Left and Top are where it stands on the
// screen once shown (FormPosition decides them: centred on the desktop when first shown, centred
// over the owner each time it is shown, wherever the owner stands then). Caption is its title.
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
  // Shows the window over `owner`, which takes no input until this window closes. It does not
  // wait for the close: the message loop goes on as before, and the close comes as OnClose.
  // Nothing happens while the window is visible already.
  void ShowModal(Form& owner);
  bool Modal() const { return modalOwner_ != nullptr; }
  void Repaint();
  void BeginMouseMove();
  // A request to close: OnCloseQuery may refuse it; otherwise OnClose runs, a modal window gives
  // its owner the input back, the window hides and its peer is told. True when it closed.
  bool Close();
  // The session ends (logoff, shutdown): the close, with nobody asked, since the process may be
  // gone before an answer could come. OnCloseQuery sees SessionEnding.
  void EndSession() {
    sessionEnding_ = true;
    Close();
  }
  bool SessionEnding() const { return sessionEnding_; }

  std::function<void()> OnShow;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnClose;

  // The user pressed Escape in the window; a window without a handler ignores it.
  std::function<void()> OnCancel;
  void HandleCancel() {
    if (OnCancel)
      OnCancel();
  }

  // Whether this is the window the user works in. The peer reports the changes; a window that
  // hides stops being the active one. Each real change fires OnActivate or OnDeactivate.
  bool Active() const { return active_; }
  void HandleActivated(bool active);
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;

 protected:
  void ActivityChanged() override;

 private:
  ui::BorderStyle borderStyle_ = ui::BorderStyle::None;
  FormPosition position_ = FormPosition::DesktopCenter;
  bool staysOnTop_ = false;
  bool shown_ = false;
  bool sessionEnding_ = false;
  bool active_ = false;
  Form* modalOwner_ = nullptr;
  FormPeer* formPeer_ = nullptr;
};

}  // namespace tamsendor::ui
