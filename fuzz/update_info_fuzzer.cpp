// The update server's information file and the version numbers it offers. Every file listed may
// be fetched (https, or plain http to this machine) and has a SHA-256 of 64 lower-case hex digits;
// keys are read without regard to case; a file name is made safe; and versions are ordered as
// dotted numbers, else as plain strings.
//
// Every line of the input is a version to compare too (its value when it has a "="), with the
// lines after it: an information file names versions, and a file of bare version lines is a seed.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_text.h"
#include "fuzz/fuzz_check.h"
#include "update/update_info.h"
#include "update/version_number.h"

using namespace tamsendor::update;

namespace {

constexpr std::size_t kVersionsCompared = 64;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int Sign(int order) {
  return (order > 0) - (order < 0);
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// --- Addresses and file names ---

// The promise of IsUpdateAddress, read as RFC 3986 reads an address: a scheme, "//", then the
// authority up to the first '/', '?' or '#', its host before the port. Over https the host is
// anything there before a port; over http it must be this machine.
bool LooksLikeUpdateAddress(std::string_view address) {
  for (const char c : address)
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
      return false;
  const std::string lowered = tamsendor::platform::FoldCase(address);
  const bool secure = lowered.starts_with("https://");
  if (!secure && !lowered.starts_with("http://"))
    return false;
  const std::string_view rest = std::string_view(lowered).substr(secure ? 8 : 7);
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
  if (authority.empty() || authority.front() == ':' ||
      authority.find('@') != std::string_view::npos)
    return false;
  if (secure)
    return true;
  const std::size_t hostEnd = authority.front() == '['
                                  ? authority.find(']') + 1
                                  : std::min(authority.find(':'), authority.size());
  const std::string_view host = authority.substr(0, hostEnd);
  return host == "127.0.0.1" || host == "localhost" || host == "[::1]";
}

bool IsSubsequence(std::string_view part, std::string_view whole) {
  std::size_t at = 0;
  for (const char c : whole)
    if (at < part.size() && part[at] == c)
      ++at;
  return at == part.size();
}

void CheckAddress(std::string_view address) {
  if (IsUpdateAddress(address))
    FUZZ_CHECK(LooksLikeUpdateAddress(address),
               "only https, or plain http to this machine, without blanks or a user name");

  const std::string name = FileNameOf(address);
  FUZZ_CHECK(std::all_of(name.begin(), name.end(),
                         [](char c) {
                           return IsAsciiLetter(c) || IsDigit(c) || c == '.' || c == '-' ||
                                  c == '_';
                         }),
             "a file name holds only letters, digits, '.', '-' and '_'");
  FUZZ_CHECK(name.empty() || name.find_first_not_of('.') != std::string::npos,
             "a file name is never dots alone");
  const std::string_view path = address.substr(0, address.find_first_of("?#"));
  const std::string_view last = path.substr(path.rfind('/') + 1);
  FUZZ_CHECK(IsSubsequence(name, last), "the file name comes from the path's last part");
  FUZZ_CHECK(FileNameOf(name) == name, "a safe file name stays as it is");
}

// --- The information file ---

bool IsLowerHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); });
}

bool IsTrimmed(std::string_view value) {
  return value.empty() || (value.front() != ' ' && value.front() != '\t' && value.back() != ' ' &&
                           value.back() != '\t' && value.back() != '\r');
}

// The same file with the letters of every key (what comes before a line's first '=') in the
// other case.
std::string WithKeysInOtherCase(std::string_view text) {
  std::string swapped(text);
  bool inKey = true;
  for (std::size_t i = 0; i < swapped.size(); ++i) {
    char& c = swapped[i];
    if (c == '\n') {
      inKey = true;
    } else if (c == '=') {
      inKey = false;
    } else if (inKey && IsAsciiLetter(c)) {
      c = static_cast<char>(c ^ 0x20);
    }
  }
  return swapped;
}

void CheckInfo(std::string_view text, const UpdateInfo& info) {
  for (const ReleaseFile& file : info.files) {
    FUZZ_CHECK(IsUpdateAddress(file.address), "a listed file has an acceptable address");
    FUZZ_CHECK(LooksLikeUpdateAddress(file.address), "a listed file is fetched over https");
    FUZZ_CHECK(!FileNameOf(file.address).empty(), "a listed file has a name");
    FUZZ_CHECK(file.sha256.size() == 64 && IsLowerHex(file.sha256),
               "a listed file's SHA-256 is 64 lower-case hex digits");
    FUZZ_CHECK(text.find(file.address) != std::string_view::npos, "an address is the file's own");
  }
  FUZZ_CHECK(info.rejected >= 0, "a count of rejected files");
  FUZZ_CHECK(info.files.size() + static_cast<std::size_t>(info.rejected) <= LinesOf(text).size(),
             "a file for each address line at most");
  for (const std::string* value : {&info.version, &info.method}) {
    FUZZ_CHECK(value->find('\n') == std::string::npos, "a value is on its key's line");
    FUZZ_CHECK(IsTrimmed(*value), "a value is trimmed");
    FUZZ_CHECK(text.find(*value) != std::string_view::npos, "a value is the file's own");
  }
  FUZZ_CHECK(info.message.find('}') == std::string::npos, "the message ends at its brace");
  FUZZ_CHECK(info.message.find('\r') == std::string::npos, "the message's lines end in LF");
  std::string withoutCr(text);
  std::erase(withoutCr, '\r');
  FUZZ_CHECK(withoutCr.find(info.message) != std::string::npos, "the message is the file's own");
}

void CheckKeyCase(std::string_view text, const UpdateInfo& info) {
  const UpdateInfo swapped = ReadUpdateInfo(WithKeysInOtherCase(text));
  FUZZ_CHECK(swapped.version == info.version && swapped.method == info.method &&
                 swapped.rejected == info.rejected && swapped.files.size() == info.files.size(),
             "keys are read without regard to case");
  for (std::size_t i = 0; i < info.files.size(); ++i)
    FUZZ_CHECK(swapped.files[i].address == info.files[i].address &&
                   swapped.files[i].sha256 == info.files[i].sha256,
               "keys are read without regard to case: the same files");
  // A message may span lines that look like keys: only their case may differ.
  FUZZ_CHECK(
      tamsendor::platform::FoldCase(swapped.message) == tamsendor::platform::FoldCase(info.message),
      "keys are read without regard to case: the same message");
}

// --- Version numbers ---

// The first four parts of a dotted version when each is a number (what follows a fourth part is
// not looked at); nullopt otherwise.
std::optional<std::vector<std::string_view>> NumericParts(std::string_view version) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t dot = version.find('.');
    const std::string_view part = version.substr(0, dot);
    if (part.empty() || !std::all_of(part.begin(), part.end(), IsDigit))
      return std::nullopt;
    parts.push_back(part);
    if (dot == std::string_view::npos || parts.size() == 4)
      return parts;
    version.remove_prefix(dot + 1);
  }
}

// Versions whose parts fit in 64 bits, compared as tuples of numbers with missing parts 0.
std::optional<int> SmallNumberOrder(const std::vector<std::string_view>& a,
                                    const std::vector<std::string_view>& b) {
  const auto value = [](const std::vector<std::string_view>& parts,
                        std::size_t i) -> std::optional<std::uint64_t> {
    if (i >= parts.size())
      return 0;
    if (parts[i].size() > 18)
      return std::nullopt;
    return std::stoull(std::string(parts[i]));
  };
  for (std::size_t i = 0; i < 4; ++i) {
    const auto x = value(a, i);
    const auto y = value(b, i);
    if (!x || !y)
      return std::nullopt;
    if (*x != *y)
      return *x < *y ? -1 : 1;
  }
  return 0;
}

void CheckPair(std::string_view a, std::string_view b) {
  const int order = Sign(CompareVersions(a, b));
  FUZZ_CHECK(order == -Sign(CompareVersions(b, a)), "versions order antisymmetrically");
  const auto partsA = NumericParts(a);
  const auto partsB = NumericParts(b);
  if (!partsA || !partsB) {
    FUZZ_CHECK(order == Sign(a.compare(b)), "a version not a number compares as a string");
    return;
  }
  if (const std::optional<int> expected = SmallNumberOrder(*partsA, *partsB))
    FUZZ_CHECK(order == *expected, "dotted versions compare part by part as numbers");
}

void CheckVersion(std::string_view version) {
  FUZZ_CHECK(CompareVersions(version, version) == 0, "a version equals itself");
  const auto parts = NumericParts(version);
  if (!parts)
    return;
  FUZZ_CHECK(CompareVersions("0" + std::string(version), version) == 0,
             "leading zeros do not count");
  if (parts->size() < 4)
    FUZZ_CHECK(CompareVersions(std::string(version) + ".0", version) == 0,
               "a missing part counts as 0");
}

// Only between dotted numbers: where a text is compared as a string, the order is no longer
// transitive ("1.9" < "1.10" as numbers, "1.10" < "1.10x" and "1.10x" < "1.9" as strings).
void CheckTransitive(std::string_view a, std::string_view b, std::string_view c) {
  if (!NumericParts(a) || !NumericParts(b) || !NumericParts(c))
    return;
  const int ab = Sign(CompareVersions(a, b));
  const int bc = Sign(CompareVersions(b, c));
  const int ac = Sign(CompareVersions(a, c));
  if (ab == bc)
    FUZZ_CHECK(ac == ab, "dotted versions order transitively");
  if (ab == 0)
    FUZZ_CHECK(ac == bc, "equal dotted versions order alike against a third");
}

void CheckVersions(std::string_view text, const UpdateInfo& info) {
  std::vector<std::string_view> versions{info.version};
  for (std::string_view line : LinesOf(text)) {
    if (versions.size() == kVersionsCompared)
      break;
    if (const std::size_t equals = line.find('='); equals != std::string_view::npos)
      line.remove_prefix(equals + 1);
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    versions.push_back(line);
  }
  for (std::size_t i = 0; i < versions.size(); ++i) {
    CheckVersion(versions[i]);
    CheckAddress(versions[i]);
    if (i + 1 < versions.size())
      CheckPair(versions[i], versions[i + 1]);
    if (i + 2 < versions.size())
      CheckTransitive(versions[i], versions[i + 1], versions[i + 2]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const UpdateInfo info = ReadUpdateInfo(text);
  CheckInfo(text, info);
  CheckKeyCase(text, info);
  CheckVersions(text, info);
  return 0;
}
