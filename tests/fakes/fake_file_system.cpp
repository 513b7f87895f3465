#include "tests/fakes/fake_file_system.h"

#include "platform/path_text.h"

namespace tamsendor::fakes {

using platform::FileResult;
using platform::ParentFolder;
using platform::PathKey;

namespace {
const char kAccessDenied[] = "Access is denied.";
const char kFileNotFound[] = "The system cannot find the file specified.";
}  // namespace

void FakeFileSystem::AddDirectory(const std::string& path) {
  std::string key = PathKey(path);
  while (!key.empty() && directories_.insert(key).second) {
    const std::string parent = ParentFolder(key);
    if (parent == key)
      break;
    key = parent;
  }
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& bytes) {
  const std::string parent = ParentFolder(PathKey(path));
  if (!parent.empty())
    AddDirectory(parent);
  files_[PathKey(path)] = bytes;
}

void FakeFileSystem::SetReadOnly(const std::string& path) {
  readOnly_.insert(PathKey(path));
}

bool FakeFileSystem::IsReadOnly(const std::string& key) const {
  return readOnly_.count(key) > 0;
}

bool FakeFileSystem::FileExists(const std::string& path) const {
  return files_.count(PathKey(path)) > 0;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) const {
  return directories_.count(PathKey(path)) > 0;
}

FileResult FakeFileSystem::MakeDirectories(const std::string& path) {
  if (beforeChange)
    beforeChange();
  return MakeDirectoriesNow(path);
}

FileResult FakeFileSystem::MakeDirectoriesNow(const std::string& path) {
  const std::string key = PathKey(path);
  if (directories_.count(key))
    return FileResult::Success();
  if (files_.count(key))
    return FileResult::Failure("Cannot create a file when that file already exists.");
  const std::string parent = ParentFolder(key);
  if (!parent.empty() && parent != key) {
    if (FileResult made = MakeDirectoriesNow(parent); !made)
      return made;
    if (IsReadOnly(parent))
      return FileResult::Failure(kAccessDenied);
  }
  directories_.insert(key);
  return FileResult::Success();
}

FileResult FakeFileSystem::CanPlace(const std::string& path) {
  const std::string key = PathKey(path);
  if (IsReadOnly(key))
    return FileResult::Failure(kAccessDenied);
  if (directories_.count(key))
    return FileResult::Failure(kAccessDenied);
  const std::string parent = ParentFolder(key);
  if (parent.empty())
    return FileResult::Success();
  if (FileResult made = MakeDirectoriesNow(parent); !made)
    return made;
  if (IsReadOnly(parent))
    return FileResult::Failure(kAccessDenied);
  return FileResult::Success();
}

FileResult FakeFileSystem::RemoveFile(const std::string& path) {
  if (beforeChange)
    beforeChange();
  const std::string key = PathKey(path);
  if (!files_.count(key))
    return FileResult::Failure(kFileNotFound);
  if (IsReadOnly(key) || IsReadOnly(ParentFolder(key)))
    return FileResult::Failure(kAccessDenied);
  files_.erase(key);
  return FileResult::Success();
}

std::optional<std::string> FakeFileSystem::ReadBytes(const std::string& path) const {
  const auto it = files_.find(PathKey(path));
  if (it == files_.end())
    return std::nullopt;
  return it->second;
}

FileResult FakeFileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  if (beforeChange)
    beforeChange();
  return WriteBytesNow(path, bytes);
}

FileResult FakeFileSystem::WriteBytesNow(const std::string& path, const std::string& bytes) {
  if (FileResult placeable = CanPlace(path); !placeable)
    return placeable;
  files_[PathKey(path)] = bytes;
  return FileResult::Success();
}

FileResult FakeFileSystem::CopyReplacing(const std::string& from, const std::string& to) {
  const auto source = files_.find(PathKey(from));
  if (source == files_.end())
    return FileResult::Failure(kFileNotFound);
  const std::string bytes = source->second;
  if (beforeChange)
    beforeChange();
  return WriteBytesNow(to, bytes);
}

FileResult FakeFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
  if (beforeChange)
    beforeChange();
  const std::string fromKey = PathKey(from);
  const auto source = files_.find(fromKey);
  if (source == files_.end())
    return FileResult::Failure(kFileNotFound);
  if (IsReadOnly(fromKey) || IsReadOnly(ParentFolder(fromKey)))
    return FileResult::Failure(kAccessDenied);
  if (fromKey == PathKey(to))
    return FileResult::Success();
  if (FileResult placeable = CanPlace(to); !placeable)
    return placeable;
  std::string bytes = std::move(source->second);
  files_.erase(source);
  files_[PathKey(to)] = std::move(bytes);
  return FileResult::Success();
}

}  // namespace tamsendor::fakes
