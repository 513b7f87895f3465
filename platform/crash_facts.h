#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tamsendor::platform {

// A place in the program's code as a module and the offset into it ("tamsendor.exe" + 0x1a2b),
// which a developer finds again in the build's map whatever address the module was loaded at.
struct CodeLocation {
  std::string module;
  std::uint64_t offset = 0;
  bool operator==(const CodeLocation&) const = default;
};

// What the system tells of a crash.
struct CrashFacts {
  // The kind of fault: "access violation (0xC0000005)", "C++ exception: ...", "std::terminate".
  std::string what;
  // Where it happened, when it is a fault of the processor.
  std::optional<CodeLocation> address;
  // The crashing thread's return addresses, innermost first.
  std::vector<CodeLocation> stack;
};

}  // namespace tamsendor::platform
