#include "platform/win32/win32_file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/win32/com.h"
#include "platform/win32/text.h"

namespace tamsendor::win32 {

namespace {

// "Description|pattern|Description|pattern" as the dialog's list of file types.
struct FileTypes {
  explicit FileTypes(std::string_view filter) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
      const std::size_t bar = filter.find('|', start);
      parts.push_back(Widen(filter.substr(start, bar - start)));
      if (bar == std::string_view::npos)
        break;
      start = bar + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
      texts.push_back({parts[i], parts[i + 1]});
    for (const auto& type : texts)
      specs.push_back({type.first.c_str(), type.second.c_str()});
  }
  std::vector<std::pair<std::wstring, std::wstring>> texts;
  std::vector<COMDLG_FILTERSPEC> specs;
};

std::optional<std::string> ShowOpenDialog(HWND owner, const std::string& title,
                                          FILEOPENDIALOGOPTIONS wanted, const FileTypes* types,
                                          const std::string& startFolder) {
  const ComScope com;
  ComRef<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IFileOpenDialog, reinterpret_cast<void**>(dialog.Out()))))
    return std::nullopt;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | wanted);
  // Without a title of ours the dialog keeps the system's own ("Open").
  if (!title.empty())
    dialog->SetTitle(Widen(title).c_str());
  if (types != nullptr && !types->specs.empty())
    dialog->SetFileTypes(static_cast<UINT>(types->specs.size()), types->specs.data());
  // SetFolder, not SetDefaultFolder: the folder the program shows beats the one the system
  // remembers from the last use.
  if (!startFolder.empty()) {
    const DWORD attributes = GetFileAttributesW(Widen(startFolder).c_str());
    ComRef<IShellItem> start;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        SUCCEEDED(SHCreateItemFromParsingName(Widen(startFolder).c_str(), nullptr, IID_IShellItem,
                                              reinterpret_cast<void**>(start.Out()))))
      dialog->SetFolder(start.operator->());
  }
  if (FAILED(dialog->Show(owner)))  // cancelled, or closed without a choice
    return std::nullopt;
  ComRef<IShellItem> chosen;
  if (FAILED(dialog->GetResult(chosen.Out())))
    return std::nullopt;
  PWSTR path = nullptr;
  if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path)))
    return std::nullopt;
  std::string result = Narrow(path);
  CoTaskMemFree(path);
  return result;
}

// The user's Documents folder; empty when the system cannot say.
std::wstring DocumentsFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &path)))
    folder = path;
  CoTaskMemFree(path);  // the call allocates even when it fails
  return folder;
}

}  // namespace

std::optional<std::string> Win32FileDialogs::SaveFile(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& suggestedName) {
  // The dialog's own form of the filter: each part ended by a NUL, the whole by one more.
  std::wstring types = Widen(filter);
  std::replace(types.begin(), types.end(), L'|', L'\0');
  types.append(2, L'\0');
  const std::wstring suggested = Widen(suggestedName);
  const std::size_t dot = suggested.rfind(L'.');
  const std::wstring extension = dot == std::wstring::npos ? L"" : suggested.substr(dot + 1);
  const std::wstring documents = DocumentsFolder();
  const std::wstring caption = Widen(title);

  // Room for a long path; the suggested name fills the name field.
  std::vector<wchar_t> name(32768, L'\0');
  std::copy_n(suggested.begin(), std::min(suggested.size(), name.size() - 1), name.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = types.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
  dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // The process's current folder stays where it was, whatever folder the user browsed to.
  dialog.Flags =
      OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog))  // cancelled, or the dialog could not be shown
    return std::nullopt;
  return Narrow(name.data());
}

std::optional<std::string> Win32FileDialogs::OpenFile(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& startFolder) {
  const FileTypes types(filter);
  return ShowOpenDialog(owner_, title, FOS_FILEMUSTEXIST, &types, startFolder);
}

std::optional<std::string> Win32FileDialogs::PickFolder(const std::string& title,
                                                        const std::string& startFolder) {
  return ShowOpenDialog(owner_, title, FOS_PICKFOLDERS | FOS_FORCESHOWHIDDEN, nullptr, startFolder);
}

}  // namespace tamsendor::win32
