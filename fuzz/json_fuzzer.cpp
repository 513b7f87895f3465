// JSON, as the results tool reads it and the program writes it: what is read writes back and
// reads again the same; what the writer writes is always read; a results file that is accepted
// lists and compares into valid UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "json/json_reader.h"
#include "json/json_writer.h"
#include "text/utf8.h"
#include "tools/results/results_file.h"
#include "tools/results/results_table.h"

using namespace tamsendor;
using json::Value;

namespace {

int Depth(const Value& value) {
  int deepest = 0;
  for (const Value& item : value.items)
    deepest = std::max(deepest, Depth(item));
  return value.IsArray() || value.IsObject() ? deepest + 1 : 0;
}

void CheckRead(const std::string& text) {
  const std::optional<Value> value = json::Read(text);
  if (!value)
    return;
  FUZZ_CHECK(text::IsValidUtf8(text), "accepted text is UTF-8");
  FUZZ_CHECK(Depth(*value) <= json::kMaxDepth, "nothing nests deeper than the limit");
  const std::string written = json::Write(*value);
  const std::optional<Value> again = json::Read(written);
  FUZZ_CHECK(again.has_value(), "what was read, written, reads again");
  FUZZ_CHECK(*again == *value, "and reads the same");
  FUZZ_CHECK(json::Write(*again) == written, "and writes the same");

  std::string reason;
  if (const auto results = results::ReadResultsFile(text, reason)) {
    const std::string list = results::ListTable({{"a.json", *results}});
    const std::string comparison =
        results::CompareTable({"a.json", *results}, {"b.json", *results});
    FUZZ_CHECK(text::IsValidUtf8(list) && text::IsValidUtf8(comparison), "tables are UTF-8");
  } else {
    FUZZ_CHECK(!reason.empty(), "a refusal says why");
  }
}

// A value of the fuzzer's choosing, strings of any bytes included.
Value Make(FuzzedDataProvider& input, int depth) {
  switch (depth >= json::kMaxDepth ? 0 : input.ConsumeIntegralInRange(0, 5)) {
    case 0:
      return Value::Null();
    case 1:
      return Value::Bool(input.ConsumeBool());
    case 2:
      return Value::Number(input.ConsumeFloatingPoint<double>());
    case 3:
      return Value::String(input.ConsumeRandomLengthString(64));
    case 4: {
      Value array = Value::Array();
      for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n)
        array.Push(Make(input, depth + 1));
      return array;
    }
    default: {
      Value object = Value::Object();
      for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n)
        object.Set(input.ConsumeRandomLengthString(16), Make(input, depth + 1));
      return object;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    CheckRead(input.ConsumeRemainingBytesAsString());
    return 0;
  }
  const Value made = Make(input, 1);
  std::string error;
  const std::string written = json::Write(made);
  const std::optional<Value> read = json::Read(written, &error);
  if (!read)
    std::fprintf(stderr, "%s in:\n%s\n", error.c_str(), written.c_str());
  FUZZ_CHECK(read.has_value(), "the writer always writes JSON the reader takes");
  return 0;
}
