// Prints the text of the message box with the given title that is showing now, as UTF-8, for the
// smoke tests that check what the program told the user. Exit code 1 when none shows.
// Usage: message_text.exe TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  const wchar_t* title;
  std::wstring text;
  bool found = false;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  wchar_t className[16] = {};
  wchar_t title[256] = {};
  GetClassNameW(window, className, 16);
  GetWindowTextW(window, title, 256);
  if (!IsWindowVisible(window) || std::wstring(className) != L"#32770" ||
      std::wstring(title) != search.title)
    return TRUE;
  // A message box's text is its static control with the identifier 0xFFFF.
  const HWND text = GetDlgItem(window, 0xFFFF);
  if (text == nullptr)
    return TRUE;
  const int length = GetWindowTextLengthW(text);
  search.text.assign(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(text, search.text.data(), length + 1);
  search.text.resize(static_cast<std::size_t>(length));
  search.found = true;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2)
    return 2;
  Search search{argv[1], {}, false};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  if (!search.found)
    return 1;
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, search.text.data(), static_cast<int>(search.text.size()),
                          nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, search.text.data(), static_cast<int>(search.text.size()),
                      utf8.data(), size, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  return 0;
}
