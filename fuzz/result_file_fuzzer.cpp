// The engine's result file: the score field is a piece of the file as the engine wrote it, one
// field of one line, and the score is that field's value.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "report/result_file.h"
#include "report/score_number.h"

using namespace tamsendor::report;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> field = ReadScoreField(text);
  if (!field)
    return 0;
  FUZZ_CHECK(text.find(*field) != std::string_view::npos, "the field is the file's own text");
  FUZZ_CHECK(field->find_first_of(",\r\n") == std::string::npos, "the field is one field");
  for (const char* separator : {".", ","}) {
    const std::optional<int> score = ConvertScore(*field, separator);
    const std::optional<double> value = FigureValue(*field, separator);
    FUZZ_CHECK(score == (value ? RoundHalfEven(*value) : std::nullopt), "score is the figure");
  }
  return 0;
}
