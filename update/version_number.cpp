#include "update/version_number.h"

#include <array>
#include <optional>

namespace tamsendor::update {

namespace {

constexpr std::size_t kParts = 4;

bool IsNumber(std::string_view text) {
  if (text.empty())
    return false;
  for (const char c : text)
    if (c < '0' || c > '9')
      return false;
  return true;
}

// The parts of a version, or nullopt when one of them is not a number. Parts beyond the fourth
// are not looked at.
std::optional<std::array<std::string_view, kParts>> Parts(std::string_view version) {
  std::array<std::string_view, kParts> parts{"0", "0", "0", "0"};
  for (std::size_t i = 0; i < kParts; ++i) {
    const std::size_t dot = version.find('.');
    const std::string_view part = version.substr(0, dot);
    if (!IsNumber(part))
      return std::nullopt;
    parts[i] = part;
    if (dot == std::string_view::npos)
      break;
    version.remove_prefix(dot + 1);
  }
  return parts;
}

// Whole numbers of any length: without their leading zeros, the longer is the greater.
int CompareNumbers(std::string_view a, std::string_view b) {
  while (a.size() > 1 && a.front() == '0')
    a.remove_prefix(1);
  while (b.size() > 1 && b.front() == '0')
    b.remove_prefix(1);
  if (a.size() != b.size())
    return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

}  // namespace

int CompareVersions(std::string_view a, std::string_view b) {
  const auto partsA = Parts(a);
  const auto partsB = Parts(b);
  if (!partsA || !partsB)
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
  for (std::size_t i = 0; i < kParts; ++i)
    if (const int order = CompareNumbers((*partsA)[i], (*partsB)[i]); order != 0)
      return order;
  return 0;
}

}  // namespace tamsendor::update
