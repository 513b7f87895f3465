#pragma once

#include <vector>

#include "ui/control.h"

namespace tamsendor::ui::testing {

// A peer that remembers what the model told it.
class RecordingPeer : public ControlPeer {
 public:
  void Reflect(Property changed) override { changes.push_back(changed); }
  std::vector<Property> changes;
};

}  // namespace tamsendor::ui::testing
