#pragma once

#include <cstdint>
#include <utility>

#include "app/stored_list.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/host_facts.h"

namespace tamsendor::app {

// The machine's memory in whole megabytes, at most 1500, snapped to the usual module sizes
// (1000 MB of usable memory is a 1024 MB machine).
int MemoryClassOf(std::uint64_t totalPhysicalBytes);

// Warns when the chosen engine heap would take the machine's whole memory, and chooses a heap
// that fits instead.
class HeapSizeAdvice {
 public:
  HeapSizeAdvice(platform::Registry& registry, platform::Dialogs& dialogs,
                 const platform::HostFacts& host, StoredList heapsize)
      : registry_(registry), dialogs_(dialogs), host_(host), heapsize_(std::move(heapsize)) {}

  void ComputeMemoryClass();
  int MemoryClass() const { return memoryClass_; }

  // The advice, then "Heapsize" for the item selected after it.
  void HeapsizeBoxChange();

 private:
  platform::Registry& registry_;
  platform::Dialogs& dialogs_;
  const platform::HostFacts& host_;
  StoredList heapsize_;
  int memoryClass_ = 0;
};

}  // namespace tamsendor::app
