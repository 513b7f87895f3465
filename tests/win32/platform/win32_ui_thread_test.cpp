#include "platform/win32/win32_ui_thread.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/win32/message_pump.h"

namespace tamsendor::win32 {
namespace {

TEST(Win32UiThreadTest, PostedWorkAndTimersRunOnTheUiThreadInOrder) {
  Win32UiThread ui;
  const DWORD uiThread = GetCurrentThreadId();
  std::string log;
  bool allOnUiThread = true;
  auto note = [&](const char* what) {
    allOnUiThread = allOnUiThread && GetCurrentThreadId() == uiThread;
    log += what;
  };
  ui.After(120, [&] { note("late "); });
  const auto cancelled = ui.After(60, [&] { note("cancelled "); });
  ui.After(30, [&] { note("early "); });
  ui.Cancel(cancelled);
  std::thread other([&] {
    ui.Post([&] { note("posted1 "); });
    ui.Post([&] { note("posted2 "); });
  });
  other.join();
  ASSERT_TRUE(testing::PumpUntil([&] { return log.find("late") != std::string::npos; }));
  EXPECT_EQ(log, "posted1 posted2 early late ");
  EXPECT_TRUE(allOnUiThread);
}

}  // namespace
}  // namespace tamsendor::win32
