#pragma once

#include <string_view>

#include "core/event_trail.h"
#include "platform/ui_thread.h"

namespace tamsendor::app {

// Faults on purpose, for the tests of the crash layer; only the program's test build has them.
enum class TestFault {
  None,
  NullWriteDuringGame,  // a write through a null pointer while a benchmark's game runs
  TimerException,       // a C++ exception out of a timer's handler
  Terminate,            // std::terminate
  StackOverflow,        // a recursion without end
};

// "null-write-during-game", "timer-exception", "terminate", "stack-overflow"; anything else is
// None.
TestFault TestFaultNamed(std::string_view name);

// Sets the fault off when its moment comes: the null write two seconds into a benchmark's first
// run, the others a second after the main window showed.
void ArmTestFault(TestFault fault, platform::Timers& timers, const core::EventTrail& trail);

}  // namespace tamsendor::app
