#include "platform/win32/win32_file_search.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

bool EndsWithSeparator(std::wstring_view path) {
  return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

// The folder in the form that lifts the MAX_PATH limit: absolute, "\" separators, "\\?\" in
// front, ending in "\". Steam libraries hold deep workshop and mod trees, and a path longer than
// MAX_PATH must not hide a folder. Empty when the text names no path at all.
std::wstring SearchRootOf(const std::string& folder) {
  const std::wstring given = Widen(folder);
  if (given.empty())
    return {};
  std::wstring root;
  if (given.starts_with(L"\\\\?\\")) {
    root = given;
  } else {
    const DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
    if (size == 0)
      return {};
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
      return {};
    full.resize(length);
    if (full.starts_with(L"\\\\.\\"))
      root = full;  // a device path; it has no long form
    else if (full.starts_with(L"\\\\"))
      root = L"\\\\?\\UNC\\" + full.substr(2);
    else
      root = L"\\\\?\\" + full;
  }
  if (!EndsWithSeparator(root))
    root += L'\\';
  return root;
}

bool IsDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// The name sought, ready for the cheapest comparison that still agrees with the file system's
// own: Windows compares names by upper-casing each UTF-16 unit (CompareStringOrdinal with
// ignore-case). ASCII pairs, the usual case, are folded inline; anything else asks the system.
class SoughtName {
 public:
  explicit SoughtName(std::string_view name) : folded_(Widen(name)) {
    for (wchar_t& c : folded_)
      if (c >= L'A' && c <= L'Z')
        c = static_cast<wchar_t>(c - L'A' + L'a');
  }

  bool empty() const { return folded_.empty(); }

  bool Matches(const wchar_t* name) const {
    const std::size_t length = folded_.size();
    // Nearly every name in a game folder differs in length, which costs a few reads to learn.
    if (wcsnlen(name, length + 1) != length)
      return false;
    for (std::size_t i = 0; i < length; ++i) {
      wchar_t c = name[i];
      const wchar_t sought = folded_[i];
      if (c >= 0x80 || sought >= 0x80)
        return CompareStringOrdinal(name, static_cast<int>(length), folded_.data(),
                                    static_cast<int>(length), TRUE) == CSTR_EQUAL;
      if (c >= L'A' && c <= L'Z')
        c = static_cast<wchar_t>(c - L'A' + L'a');
      if (c != sought)
        return false;
    }
    return true;
  }

 private:
  std::wstring folded_;
};

// One depth-first walk. Subfolder names are kept in one pool per walk and released level by
// level, so the walk allocates only while its buffers grow, not per file or per folder.
class Walk {
 public:
  Walk(std::wstring root, const SoughtName& sought) : path_(std::move(root)), sought_(sought) {
    rootLength_ = path_.size();
  }

  // The last match's path below the root ("steamapps\...\hl2.exe"); empty when none.
  const std::wstring& Run() {
    List();
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.end) {
        subfolders_.resize(level.firstSubfolder);
        names_.resize(level.namesStart);
        levels_.pop_back();
        continue;
      }
      const Subfolder subfolder = subfolders_[level.next++];
      path_.resize(level.pathLength);
      path_.append(names_, subfolder.offset, subfolder.length);
      path_ += L'\\';
      List();  // may grow levels_; `level` is not used after this
    }
    return lastMatch_;
  }

 private:
  struct Subfolder {
    std::size_t offset;
    std::size_t length;
  };
  // A listed folder whose subfolders are still being entered.
  struct Level {
    std::size_t pathLength;
    std::size_t namesStart;
    std::size_t firstSubfolder;
    std::size_t next;
    std::size_t end;
  };

  // Lists the folder in path_ (ending in "\") once: matching files are noted in listing order,
  // subfolders are remembered for later in the same order.
  void List() {
    const std::size_t pathLength = path_.size();
    Level level{pathLength, names_.size(), subfolders_.size(), subfolders_.size(), 0};
    path_ += L'*';
    WIN32_FIND_DATAW found;
    const FindHandle listing(FindFirstFileExW(path_.c_str(), FindExInfoBasic, &found,
                                              FindExSearchNameMatch, nullptr,
                                              FIND_FIRST_EX_LARGE_FETCH));
    path_.resize(pathLength);
    if (!listing.valid())
      return;  // unreadable or gone: the rest of the tree still counts
    do {
      const DWORD attributes = found.dwFileAttributes;
      if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        // A junction or link may lead back up the tree; Wine shows the host's symbolic links
        // this way too.
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || IsDotOrDotDot(found.cFileName))
          continue;
        const std::size_t length = std::wcslen(found.cFileName);
        subfolders_.push_back({names_.size(), length});
        names_.append(found.cFileName, length);
      } else if (sought_.Matches(found.cFileName)) {
        lastMatch_.assign(path_, rootLength_);
        lastMatch_ += found.cFileName;
      }
    } while (FindNextFileW(listing.get(), &found));
    level.end = subfolders_.size();
    levels_.push_back(level);
  }

  std::wstring path_;
  std::size_t rootLength_ = 0;
  const SoughtName& sought_;
  std::wstring names_;
  std::vector<Subfolder> subfolders_;
  std::vector<Level> levels_;
  std::wstring lastMatch_;
};

}  // namespace

std::string Win32FileSearch::FindLast(const std::string& folder, std::string_view fileName) const {
  const SoughtName sought(fileName);
  std::wstring root = SearchRootOf(folder);
  if (sought.empty() || root.empty())
    return {};
  Walk walk(std::move(root), sought);
  const std::wstring& below = walk.Run();
  if (below.empty())
    return {};
  // Handed back as the caller wrote the folder, without the long-path form.
  std::string found = folder;
  if (found.back() != '\\' && found.back() != '/')
    found += '\\';
  return found + Narrow(below);
}

}  // namespace tamsendor::win32
