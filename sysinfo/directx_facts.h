#pragma once

#include "bench/run_state.h"
#include "ui/busy_indicator.h"

namespace tamsendor::sysinfo {

// The outcome when no DirectX diagnostic result is available: all three facts read
// "indeterminable" and the busy indicator stops. The benchmark goes on without them.
inline void SetDirectXFactsIndeterminable(bench::RunState& state,
                                          ui::BusyIndicator& AdvCircularProgress1) {
  state.DxDisplayMemory = "indeterminable";
  state.DxDriverVersion = "indeterminable";
  state.DxSound = "indeterminable";
  AdvCircularProgress1.SetEnabled(false);
  AdvCircularProgress1.SetVisible(false);
}

}  // namespace tamsendor::sysinfo
