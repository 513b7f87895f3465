#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tamsendor::update {

// The longest information file that is read; the rest of a larger one is never fetched.
inline constexpr std::size_t kInfoFileLimit = 64 * 1024;

// One file of a release: where it is, and the SHA-256 of its bytes (64 hex digits, lower case)
// that the download must match.
struct ReleaseFile {
  std::string address;
  std::string sha256;
};

// The update server's information file, as read: key=value lines, keys without regard to case.
struct UpdateInfo {
  std::string version;  // "#version"
  // "#url", then "#url0", "#url1"... in that order, each with its "#sha256", "#sha2560"... Only
  // entries with an acceptable address are listed; `rejected` counts the others.
  std::vector<ReleaseFile> files;
  int rejected = 0;
  std::string message;  // "#message", the text between { and } (which may span lines)
  std::string method;   // "#method"
};

// Reads an information file; whatever it holds, the answer is a (possibly empty) UpdateInfo.
UpdateInfo ReadUpdateInfo(std::string_view text);

// Whether a release file may be fetched from `address`: https with a host, or plain http to this
// machine alone (127.0.0.1, localhost, [::1]), where a test serves its own; no blanks or control
// characters anywhere.
bool IsUpdateAddress(std::string_view address);

// The file name at the end of an address's path ("setup.exe"), made safe for a file name: only
// letters, digits, '.', '-' and '_' are kept. Empty when nothing is left.
std::string FileNameOf(std::string_view address);

}  // namespace tamsendor::update
