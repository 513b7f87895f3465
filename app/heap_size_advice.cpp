#include "app/heap_size_advice.h"

#include <algorithm>
#include <string>

namespace tamsendor::app {

namespace {

constexpr int kHeapMegabytes[] = {64, 128, 256, 512, 1024};  // by item of HeapsizeBox

// The item to fall back on for each memory class; other classes keep the user's choice.
int ItemForMemoryClass(int memoryClass) {
  switch (memoryClass) {
    case 128:
      return 0;
    case 256:
      return 1;
    case 512:
      return 2;
    case 1024:
      return 3;
    case 1500:
      return 4;
    default:
      return -1;
  }
}

}  // namespace

int MemoryClassOf(std::uint64_t totalPhysicalBytes) {
  const std::uint64_t megabytes = std::min<std::uint64_t>(totalPhysicalBytes / 1048576, 1500);
  const int mb = static_cast<int>(megabytes);
  if (mb > 950 && mb < 1100)
    return 1024;
  if (mb > 470 && mb < 550)
    return 512;
  if (mb > 200 && mb < 290)
    return 256;
  if (mb > 90 && mb < 150)
    return 128;
  return mb;
}

void HeapSizeAdvice::ComputeMemoryClass() {
  memoryClass_ = MemoryClassOf(host_.TotalPhysicalMemory());
}

void HeapSizeAdvice::HeapsizeBoxChange() {
  const int index = heapsize_.box.ItemIndex();
  const int chosen =
      index >= 0 && index < static_cast<int>(std::size(kHeapMegabytes)) ? kHeapMegabytes[index] : 0;
  ComputeMemoryClass();
  if (chosen >= memoryClass_) {
    dialogs_.ShowMessage("The recommended (maximum) size: " + std::to_string(memoryClass_ / 2) +
                         " MB");
    const int fallback = ItemForMemoryClass(memoryClass_);
    if (fallback >= 0)
      heapsize_.box.SetItemIndex(fallback);
  }
  WriteStoredList(registry_, heapsize_);
}

}  // namespace tamsendor::app
