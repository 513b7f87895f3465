// tamsendor-inspect: shows what the program reads from a DirectX diagnostic report or an engine
// result file, for users and support asking why a report says what it says.
#include <string>

#include "platform/win32/text.h"
#include "tools/console/console_io.h"
#include "tools/inspect/inspect.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tamsendor;
  const inspect::InspectIo io{console::ReadWholeFile, win32::AnsiToUtf8};
  std::string out;
  std::string err;
  const int code = inspect::Inspect(console::Arguments(argc, argv), io, out, err);
  console::WriteOut(out);
  console::WriteErr(err);
  return code;
}
