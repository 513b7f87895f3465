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

std::string FakeFileSystem::Key(const std::string& path) const {
  // As on Windows, a name without its folder is taken from the current one.
  if (!platform::IsFullPath(path) && !currentFolder.empty())
    return PathKey(currentFolder + "\\" + path);
  return PathKey(path);
}

void FakeFileSystem::RemoveTree(const std::string& path) {
  const std::string key = PathKey(path);
  const auto below = [&](const std::string& other) {
    return other == key || other.rfind(key + "\\", 0) == 0;
  };
  std::erase_if(files_, [&](const auto& file) { return below(file.first); });
  std::erase_if(directories_, below);
}

void FakeFileSystem::SetWritable(const std::string& path) {
  readOnly_.erase(PathKey(path));
}

void FakeFileSystem::BeforeChange() const {
  if (beforeChange)
    beforeChange();
}

bool FakeFileSystem::FileExistsAt(const std::string& path) const {
  return files_.count(Key(path)) > 0;
}

bool FakeFileSystem::DirectoryExistsAt(const std::string& path) const {
  return directories_.count(Key(path)) > 0;
}

FileResult FakeFileSystem::MakeDirectoriesAt(const std::string& path) {
  BeforeChange();
  return MakeDirectoriesNow(path);
}

FileResult FakeFileSystem::MakeDirectoriesNow(const std::string& path) {
  const std::string key = Key(path);
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
  const std::string key = Key(path);
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

FileResult FakeFileSystem::RemoveFileAt(const std::string& path) {
  BeforeChange();
  const std::string key = Key(path);
  if (!files_.count(key))
    return FileResult::Failure(kFileNotFound);
  if (IsReadOnly(key) || IsReadOnly(ParentFolder(key)))
    return FileResult::Failure(kAccessDenied);
  files_.erase(key);
  return FileResult::Success();
}

std::optional<std::string> FakeFileSystem::ReadBytesAt(const std::string& path) const {
  const auto it = files_.find(Key(path));
  if (it == files_.end())
    return std::nullopt;
  return it->second;
}

FileResult FakeFileSystem::WriteBytesAt(const std::string& path, const std::string& bytes) {
  BeforeChange();
  return ReplaceThroughTemporary(path, bytes);
}

FileResult FakeFileSystem::ReplaceThroughTemporary(const std::string& path,
                                                   const std::string& bytes) {
  if (FileResult placeable = CanPlace(path); !placeable)
    return placeable;
  const std::string temporary = TemporaryPathFor(path);
  if (FileResult written = WriteBytesNow(temporary, bytes); !written)
    return written;
  BeforeChange();
  files_[Key(path)] = std::move(files_[Key(temporary)]);
  files_.erase(Key(temporary));
  return FileResult::Success();
}

FileResult FakeFileSystem::WriteBytesNow(const std::string& path, const std::string& bytes) {
  if (FileResult placeable = CanPlace(path); !placeable)
    return placeable;
  files_[Key(path)] = bytes;
  return FileResult::Success();
}

FileResult FakeFileSystem::CopyReplacingAt(const std::string& from, const std::string& to) {
  const auto source = files_.find(Key(from));
  if (source == files_.end())
    return FileResult::Failure(kFileNotFound);
  const std::string bytes = source->second;
  BeforeChange();
  return ReplaceThroughTemporary(to, bytes);
}

FileResult FakeFileSystem::MoveReplacingAt(const std::string& from, const std::string& to) {
  BeforeChange();
  const std::string fromKey = Key(from);
  const auto source = files_.find(fromKey);
  if (source == files_.end())
    return FileResult::Failure(kFileNotFound);
  if (IsReadOnly(fromKey) || IsReadOnly(ParentFolder(fromKey)))
    return FileResult::Failure(kAccessDenied);
  if (fromKey == Key(to))
    return FileResult::Success();
  if (FileResult placeable = CanPlace(to); !placeable)
    return placeable;
  std::string bytes = std::move(source->second);
  files_.erase(source);
  files_[Key(to)] = std::move(bytes);
  return FileResult::Success();
}

std::vector<std::string> FakeFileSystem::FileNamesIn(const std::string& folder) const {
  const std::string key = Key(folder);
  std::vector<std::string> names;
  for (const auto& [path, bytes] : files_) {
    if (ParentFolder(path) == key)
      names.emplace_back(platform::FileNamePart(path));
  }
  return names;
}

}  // namespace tamsendor::fakes
