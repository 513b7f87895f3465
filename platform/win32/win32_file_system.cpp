#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/path_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

using platform::FileResult;

namespace {

FileResult LastError() {
  return FileResult::Failure(SystemErrorText(GetLastError()));
}

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str());
}

// The temporary file beside the destination, so the final rename stays on one volume and is
// atomic. One name per destination: a stale one from a write that was cut short is removed
// first instead of being left for good.
std::wstring TemporaryBeside(const std::string& destination) {
  std::wstring temporary = Widen(platform::FileSystem::TemporaryPathFor(destination));
  const DWORD attributes = GetFileAttributesW(temporary.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(temporary.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  DeleteFileW(temporary.c_str());
  return temporary;
}

FileResult MakeParentOf(platform::FileSystem& files, const std::string& path) {
  const std::string parent = platform::ParentFolder(path);
  if (parent.empty())
    return FileResult::Success();
  return files.MakeDirectories(parent);
}

// Moves the finished temporary file over the destination; removes it if that fails.
FileResult CommitTemporary(const std::wstring& temporary, const std::string& destination) {
  if (MoveFileExW(temporary.c_str(), Widen(destination).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return FileResult::Success();
  FileResult failed = LastError();
  DeleteFileW(temporary.c_str());
  return failed;
}

}  // namespace

bool Win32FileSystem::FileExistsAt(const std::string& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExistsAt(const std::string& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileResult Win32FileSystem::MakeDirectoriesAt(const std::string& path) {
  // "C:\a\b\" is the folder "C:\a\b": cut there, its parent would be itself and the missing
  // parents would never be made.
  const bool driveRoot = path.size() == 3 && path[1] == ':';
  if (path.size() > 1 && (path.back() == '\\' || path.back() == '/') && !driveRoot)
    return MakeDirectoriesAt(path.substr(0, path.size() - 1));
  if (DirectoryExistsAt(path))
    return FileResult::Success();
  const std::string parent = platform::ParentFolder(path);
  if (!parent.empty() && platform::PathKey(parent) != platform::PathKey(path)) {
    if (FileResult made = MakeDirectoriesAt(parent); !made)
      return made;
  }
  if (CreateDirectoryW(Widen(path).c_str(), nullptr) || DirectoryExistsAt(path))
    return FileResult::Success();
  return LastError();
}

FileResult Win32FileSystem::RemoveFileAt(const std::string& path) {
  if (DeleteFileW(Widen(path).c_str()))
    return FileResult::Success();
  return LastError();
}

std::optional<std::string> Win32FileSystem::ReadBytesAt(const std::string& path) const {
  // Share everything: the game or an editor may hold the file open.
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid())
    return std::nullopt;
  std::string bytes;
  char chunk[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr))
      return std::nullopt;
    if (read == 0)
      return bytes;
    bytes.append(chunk, read);
  }
}

FileResult Win32FileSystem::WriteBytesAt(const std::string& path, const std::string& bytes) {
  if (FileResult made = MakeParentOf(*this, path); !made)
    return made;
  const std::wstring temporary = TemporaryBeside(path);
  Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid())
    return LastError();
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
    DWORD done = 0;
    if (!WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr) || done == 0) {
      FileResult failed = LastError();
      file.reset();
      DeleteFileW(temporary.c_str());
      return failed;
    }
    written += done;
  }
  FlushFileBuffers(file.get());
  file.reset();
  return CommitTemporary(temporary, path);
}

FileResult Win32FileSystem::CopyReplacingAt(const std::string& from, const std::string& to) {
  if (!FileExistsAt(from)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return LastError();
  }
  if (FileResult made = MakeParentOf(*this, to); !made)
    return made;
  const std::wstring temporary = TemporaryBeside(to);
  if (!CopyFileExW(Widen(from).c_str(), temporary.c_str(), nullptr, nullptr, nullptr,
                   COPY_FILE_FAIL_IF_EXISTS)) {
    FileResult failed = LastError();
    DeleteFileW(temporary.c_str());
    return failed;
  }
  // A copied read-only source would make the copy impossible to replace later.
  const DWORD attributes = GetFileAttributesW(temporary.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(temporary.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  return CommitTemporary(temporary, to);
}

FileResult Win32FileSystem::MoveReplacingAt(const std::string& from, const std::string& to) {
  if (!FileExistsAt(from)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return LastError();
  }
  if (FileResult made = MakeParentOf(*this, to); !made)
    return made;
  if (MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return FileResult::Success();
  if (GetLastError() != ERROR_NOT_SAME_DEVICE)
    return LastError();
  // Another volume: copy (atomically replacing the destination), then remove the source. If the
  // source cannot be removed both copies remain, and the caller is told.
  if (FileResult copied = CopyReplacingAt(from, to); !copied)
    return copied;
  return RemoveFileAt(from);
}

std::vector<std::string> Win32FileSystem::FileNamesIn(const std::string& folder) const {
  std::wstring pattern = Widen(folder);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
    pattern += L'\\';
  pattern += L'*';
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0));
  if (!search.valid())
    return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(Narrow(found.cFileName));
  } while (FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace tamsendor::win32
