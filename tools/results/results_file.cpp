#include "tools/results/results_file.h"

#include <cmath>

#include "json/json_reader.h"
#include "report/results_twin.h"

namespace tamsendor::results {

namespace {

using json::Value;

std::optional<double> OptionalNumber(const Value* value, bool& valid) {
  if (value == nullptr || !(value->IsNumber() || value->IsNull())) {
    valid = false;
    return std::nullopt;
  }
  return value->IsNumber() ? std::optional<double>(value->number) : std::nullopt;
}

std::optional<int> OptionalPixels(const Value* value, bool& valid) {
  const std::optional<double> number = OptionalNumber(value, valid);
  if (!number)
    return std::nullopt;
  if (*number < 1 || *number > 1000000 || std::floor(*number) != *number) {
    valid = false;
    return std::nullopt;
  }
  return static_cast<int>(*number);
}

std::string Text(const Value* value, bool& valid) {
  if (value == nullptr || !value->IsString()) {
    valid = false;
    return {};
  }
  return value->text;
}

}  // namespace

std::optional<BenchmarkResults> ReadResultsFile(std::string_view text, std::string& reason) {
  std::string error;
  const std::optional<Value> document = json::Read(text, &error);
  if (!document) {
    reason = "no JSON (" + error + ")";
    return std::nullopt;
  }
  const Value* format = document->Find("format");
  const Value* version = document->Find("format_version");
  if (format == nullptr || !format->IsString() || format->text != report::kTwinFormat ||
      version == nullptr || !version->IsNumber()) {
    reason = "not a results file of Korvalin Tamsendor";
    return std::nullopt;
  }
  if (version->number != report::kTwinFormatVersion) {
    reason = "a results format this version does not know (" +
             std::to_string(static_cast<long long>(version->number)) + ")";
    return std::nullopt;
  }

  bool valid = true;
  BenchmarkResults results;
  results.Started = Text(document->Find("started"), valid);
  results.ProgramVersion = Text(document->Find("program_version"), valid);
  const Value* resolutions = document->Find("resolutions");
  if (resolutions == nullptr || !resolutions->IsArray())
    valid = false;
  for (std::size_t i = 0; valid && i < resolutions->items.size(); ++i) {
    const Value& r = resolutions->items[i];
    ResolutionResult resolution;
    resolution.Name = Text(r.Find("name"), valid);
    resolution.Width = OptionalPixels(r.Find("width"), valid);
    resolution.Height = OptionalPixels(r.Find("height"), valid);
    const Value* custom = r.Find("custom");
    valid = valid && custom != nullptr && custom->IsBool();
    resolution.Custom = valid && custom->boolean;
    resolution.Demo = Text(r.Find("demo"), valid);
    resolution.Average = OptionalNumber(r.Find("average"), valid);
    resolution.Min = OptionalNumber(r.Find("min"), valid);
    resolution.Max = OptionalNumber(r.Find("max"), valid);
    results.Resolutions.push_back(std::move(resolution));
  }
  if (!valid) {
    reason = "a results file with members missing or of the wrong kind";
    return std::nullopt;
  }
  return results;
}

}  // namespace tamsendor::results
