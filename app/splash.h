#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/about_box.h"
#include "platform/ui_thread.h"
#include "ui/application.h"

namespace tamsendor::app {

// How long the about box shows alone at start-up.
inline constexpr std::uint32_t kSplashMs = 6000;

// The start-up splash: a new about box of the application's own, shown and painted; when its
// time is up it closes and goes, and the start-up goes on. The wait is a timer rather than a
// blocked thread, so the box paints and the system never sees a hung program; the rest of the
// start-up, the main window included, only comes after it.
class Splash {
 public:
  Splash(ui::Application& application, platform::Timers& timers)
      : application_(application), timers_(timers) {}
  ~Splash() { Cancel(); }
  Splash(const Splash&) = delete;
  Splash& operator=(const Splash&) = delete;

  // No time (the start-up benchmark's build) shows nothing and goes on at once.
  void ShowSplash(std::uint32_t milliseconds, std::function<void()> then);
  // The program ends during the splash: the box goes, and what was to follow never runs.
  void Cancel();

  // The box while it shows; nullptr before and after.
  TAboutBox* Box() const { return box_.get(); }

 private:
  void Finish();
  void Dismiss();

  ui::Application& application_;
  platform::Timers& timers_;
  std::unique_ptr<TAboutBox> box_;
  // Declared after the box: the window goes first, while its form still exists.
  std::unique_ptr<ui::FormPeer> window_;
  std::optional<platform::TimerId> timer_;
  std::function<void()> then_;
};

}  // namespace tamsendor::app
