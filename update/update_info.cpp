#include "update/update_info.h"

#include <algorithm>
#include <map>
#include <optional>

namespace tamsendor::update {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerText(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  return lower;
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && LowerText(text.substr(0, start.size())) == start;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}

// The index a numbered key names: "" is the first (-1), "0" the next, and so on; nullopt for a
// suffix that is not a small number.
std::optional<int> IndexOf(std::string_view suffix) {
  if (suffix.empty())
    return -1;
  if (suffix.size() > 4)
    return std::nullopt;
  int index = 0;
  for (const char c : suffix) {
    if (c < '0' || c > '9')
      return std::nullopt;
    index = index * 10 + (c - '0');
  }
  return index;
}

bool IsSha256(std::string_view text) {
  return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

}  // namespace

bool IsUpdateAddress(std::string_view address) {
  if (std::any_of(address.begin(), address.end(),
                  [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7F; }))
    return false;
  std::string_view rest;
  bool secure = false;
  if (StartsWith(address, "https://")) {
    rest = address.substr(8);
    secure = true;
  } else if (StartsWith(address, "http://")) {
    rest = address.substr(7);
  } else {
    return false;
  }
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
  // No user name or password in the address: "https://good.example@evil.example/".
  if (authority.empty() || authority.find('@') != std::string_view::npos)
    return false;
  if (secure)
    return authority.front() != ':';
  const std::string host =
      LowerText(authority.front() == '[' ? authority.substr(0, authority.find(']') + 1)
                                         : authority.substr(0, authority.find(':')));
  const std::string_view port = authority.substr(host.size());
  if (!port.empty() && port.front() != ':')
    return false;
  return host == "127.0.0.1" || host == "localhost" || host == "[::1]";
}

std::string FileNameOf(std::string_view address) {
  std::string_view path = address.substr(0, address.find_first_of("?#"));
  const std::size_t slash = path.rfind('/');
  if (slash != std::string_view::npos)
    path.remove_prefix(slash + 1);
  std::string name;
  for (const char c : path)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
        c == '-' || c == '_')
      name += c;
  // A name of dots alone would be the folder itself or its parent.
  if (std::all_of(name.begin(), name.end(), [](char c) { return c == '.'; }))
    return "";
  return name;
}

UpdateInfo ReadUpdateInfo(std::string_view text) {
  UpdateInfo info;
  std::map<int, std::string> addresses;
  std::map<int, std::string> hashes;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t next = text.find('\n', pos);
    next = next == std::string_view::npos ? text.size() : next + 1;
    const std::string_view line = text.substr(pos, next - pos);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      pos = next;
      continue;
    }
    const std::string key = LowerText(Trim(line.substr(0, equals)));
    const std::string_view value = Trim(line.substr(equals + 1));

    if (key == "#message" && !value.empty() && value.front() == '{') {
      // Between { and }, over as many lines as it takes; without a closing brace, to the end.
      const std::size_t open = pos + equals + 1 + line.substr(equals + 1).find('{');
      const std::size_t close = text.find('}', open + 1);
      std::string message(text.substr(
          open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
      message.erase(std::remove(message.begin(), message.end(), '\r'), message.end());
      info.message = std::move(message);
      if (close == std::string_view::npos)
        break;
      next = text.find('\n', close);
      next = next == std::string_view::npos ? text.size() : next + 1;
    } else if (key == "#version") {
      info.version = value;
    } else if (key == "#method") {
      info.method = value;
    } else if (key.rfind("#sha256", 0) == 0) {
      if (const auto index = IndexOf(std::string_view(key).substr(7)))
        hashes[*index] = LowerText(value);
    } else if (key.rfind("#url", 0) == 0) {
      if (const auto index = IndexOf(std::string_view(key).substr(4)))
        addresses[*index] = value;
    }
    pos = next;
  }
  for (const auto& [index, address] : addresses) {
    const auto hash = hashes.find(index);
    if (!IsUpdateAddress(address) || FileNameOf(address).empty() || hash == hashes.end() ||
        !IsSha256(hash->second)) {
      ++info.rejected;
      continue;
    }
    info.files.push_back({address, hash->second});
  }
  return info;
}

}  // namespace tamsendor::update
