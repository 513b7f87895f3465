#include "app/heap_size_advice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/native/app/started_form.h"
#include "ui/combo_box.h"

namespace tamsendor::app {
namespace {

using testing::StartedForm;

constexpr std::uint64_t kMB = 1048576;

TEST(HeapSizeAdviceTest, MemoryClassSnapsToModuleSizesAndStopsAt1500) {
  struct Case {
    std::uint64_t bytes;
    int memoryClass;
  };
  const Case cases[] = {
      {64 * kMB, 64},
      {90 * kMB, 90},
      {91 * kMB, 128},
      {149 * kMB, 128},
      {150 * kMB, 150},
      {240 * kMB, 256},
      {496 * kMB + 5, 512},
      {550 * kMB, 550},
      {768 * kMB, 768},
      {1000 * kMB, 1024},
      {1100 * kMB, 1100},
      {1499 * kMB, 1499},
      {2048 * kMB, 1500},
      // Beyond 4 GB the count does not wrap round: 4.5 GB is not a 512 MB machine.
      {4608 * kMB, 1500},
      {64ull * 1024 * kMB, 1500},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MemoryClassOf(c.bytes), c.memoryClass) << c.bytes / kMB << " MB";
}

TEST(HeapSizeAdviceTest, AHeapAsLargeAsTheMemoryIsAdvisedAgainst) {
  struct Case {
    std::uint64_t memory;
    int chosen;
    std::vector<std::string> messages;
    int selected;
    const char* stored;
  };
  const Case cases[] = {
      {512 * kMB, 3, {"The recommended (maximum) size: 256 MB"}, 2, "256000"},
      {768 * kMB, 4, {"The recommended (maximum) size: 384 MB"}, 4, "1024000"},
      {2048 * kMB, 3, {}, 3, "512000"},
      {1024 * kMB, 4, {"The recommended (maximum) size: 512 MB"}, 3, "512000"},
      {128 * kMB, 1, {"The recommended (maximum) size: 64 MB"}, 0, "64000"},
      {6144 * kMB, 4, {}, 4, "1024000"},
  };
  for (const Case& c : cases) {
    StartedForm s;
    s.services.host.totalPhysicalMemory = 2048 * kMB;
    s.Start();
    s.services.host.totalPhysicalMemory = c.memory;  // asked again at each change
    auto& heapsize = s.Control<ui::ComboBox>("HeapsizeBox");
    heapsize.HandleSelect(c.chosen);
    EXPECT_EQ(s.services.dialogs.messages, c.messages) << c.memory / kMB << " MB";
    EXPECT_EQ(heapsize.ItemIndex(), c.selected) << c.memory / kMB << " MB";
    EXPECT_EQ(s.Stored("Heapsize"), c.stored) << c.memory / kMB << " MB";
  }
}

}  // namespace
}  // namespace tamsendor::app
