#include "platform/file_system.h"

#include "platform/path_text.h"

namespace tamsendor::platform {

namespace {

FileResult Refused() {
  return FileResult::Failure(FileSystem::kNotFullPath);
}

bool EndsWithTemporaryEnding(std::string_view name) {
  const std::string_view ending = FileSystem::kTemporaryEnding;
  return name.size() > ending.size() &&
         EqualsIgnoringCase(name.substr(name.size() - ending.size()), ending);
}

}  // namespace

bool FileSystem::FileExists(const std::string& path) const {
  return IsFullPath(path) && FileExistsAt(path);
}

bool FileSystem::DirectoryExists(const std::string& path) const {
  return IsFullPath(path) && DirectoryExistsAt(path);
}

FileResult FileSystem::MakeDirectories(const std::string& path) {
  return IsFullPath(path) ? MakeDirectoriesAt(path) : Refused();
}

FileResult FileSystem::RemoveFile(const std::string& path) {
  return IsFullPath(path) ? RemoveFileAt(path) : Refused();
}

std::optional<std::string> FileSystem::ReadBytes(const std::string& path) const {
  if (!IsFullPath(path))
    return std::nullopt;
  return ReadBytesAt(path);
}

FileResult FileSystem::WriteBytes(const std::string& path, const std::string& bytes) {
  return IsFullPath(path) ? WriteBytesAt(path, bytes) : Refused();
}

FileResult FileSystem::CopyReplacing(const std::string& from, const std::string& to) {
  return IsFullPath(from) && IsFullPath(to) ? CopyReplacingAt(from, to) : Refused();
}

FileResult FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
  return IsFullPath(from) && IsFullPath(to) ? MoveReplacingAt(from, to) : Refused();
}

void FileSystem::RemoveLeftoverTemporaries(const std::string& folder) {
  if (!IsFullPath(folder))
    return;
  std::string prefix = folder;
  if (prefix.back() != '\\' && prefix.back() != '/')
    prefix += '\\';
  for (const std::string& name : FileNamesIn(folder)) {
    if (EndsWithTemporaryEnding(name))
      RemoveFileAt(prefix + name);
  }
}

void FileSystem::RemoveFilesIn(const std::string& folder) {
  if (!IsFullPath(folder))
    return;
  std::string prefix = folder;
  if (prefix.back() != '\\' && prefix.back() != '/')
    prefix += '\\';
  for (const std::string& name : FileNamesIn(folder))
    RemoveFileAt(prefix + name);
}

}  // namespace tamsendor::platform
