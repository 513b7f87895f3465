#include "report/results_twin.h"

#include <algorithm>
#include <charconv>

#include "core/resolution_table.h"
#include "report/run_outcomes.h"
#include "text/blanks.h"

namespace tamsendor::report {

namespace {

using json::Value;

// Without the blanks around it, which the page does not show either.
Value Text(std::string_view text) {
  return Value::String(std::string(text::TrimBlanks(text)));
}

// A width or height as the user typed it: digits only, and a size a screen can have.
std::optional<int> PixelCount(std::string_view typed) {
  int value = 0;
  const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
  if (typed.empty() || error != std::errc() || end != typed.data() + typed.size() || value <= 0 ||
      typed.front() == '+' || typed.front() == '-')
    return std::nullopt;
  return value;
}

Value OptionalNumber(std::optional<double> number) {
  return number ? Value::Number(*number) : Value::Null();
}

Value OptionalText(bool present, std::string_view text) {
  return present ? Text(text) : Value::Null();
}

// The graphics sections in the order the report shows them.
Value Graphics(const HeaderFacts& facts) {
  Value sections = Value::Array();
  const platform::AtiAdapterInfo& ati = facts.Ati;
  const platform::DisplayClassInfo& display = facts.DisplayClass;
  auto section = [&](std::string_view card, std::optional<std::string_view> bus,
                     std::optional<std::string_view> gpu,
                     std::optional<std::string_view> memorySpeed) {
    Value s = Value::Object();
    s.Set("card", Text(card))
        .Set("memory", Text(facts.DxDisplayMemory))
        .Set("driver_version", Text(facts.DxDriverVersion))
        .Set("bus_type", OptionalText(bus.has_value(), bus.value_or("")))
        .Set("gpu_speed", OptionalText(gpu.has_value(), gpu.value_or("")))
        .Set("memory_speed", OptionalText(memorySpeed.has_value(), memorySpeed.value_or("")));
    sections.Push(std::move(s));
  };
  if (ati.Valid) {
    std::optional<std::string_view> bus;
    if (!ati.BusType.empty() && !ati.MemoryType.empty())
      bus = ati.BusType;
    section(ati.CardName, bus, ati.CoreClock, ati.MemoryClock);
  }
  if (display.Valid)
    section(display.DriverDesc, std::nullopt, display.GpuSpeed, display.MemorySpeed);
  if (!ati.Valid && !display.Valid)
    section(facts.DxCardName, std::nullopt, std::nullopt, std::nullopt);
  return sections;
}

Value Machine(const HeaderFacts& facts) {
  Value machine = Value::Object();
  machine.Set("operating_system", Text(facts.OsProductName))
      .Set("memory_bytes", Value::Number(static_cast<double>(facts.TotalPhysicalMemory)))
      .Set("cpu", Text(facts.CpuName))
      .Set("cpu_mhz", Value::Number(facts.CpuSpeedMhz))
      .Set("sound", Text(facts.DxSound))
      .Set("graphics", Graphics(facts));
  return machine;
}

Value Settings(const BlockSettings& settings) {
  Value s = Value::Object();
  s.Set("detail", Text(settings.DetailLevelName))
      .Set("high_dynamic_range", Text(settings.HighDynamicRange))
      .Set("heapsize", Text(settings.Heapsize))
      .Set("motion_blur", Text(settings.MotionBlur))
      .Set("directx_level", Text(settings.DirectXLevel))
      .Set("antialiasing", Text(settings.Antialiasing))
      .Set("filtering", Text(settings.Filtering))
      .Set("fast_z", Value::Bool(settings.FastZ))
      .Set("color_correction", Value::Bool(settings.ColorCorrection));
  return s;
}

Value Resolution(const TwinResolution& resolution) {
  Value runs = Value::Array();
  std::optional<double> lowest;
  std::optional<double> highest;
  for (const std::optional<TwinRun>& run : resolution.Runs) {
    if (!run) {
      runs.Push(Value::Null());
      continue;
    }
    Value r = Value::Object();
    r.Set("fps_text", Text(run->Text)).Set("fps", Value::Number(run->Fps));
    runs.Push(std::move(r));
    lowest = std::min(lowest.value_or(run->Fps), run->Fps);
    highest = std::max(highest.value_or(run->Fps), run->Fps);
  }
  Value r = Value::Object();
  r.Set("name", Text(resolution.Name))
      .Set("width", OptionalNumber(resolution.Width))
      .Set("height", OptionalNumber(resolution.Height))
      .Set("custom", Value::Bool(resolution.Custom))
      .Set("demo", Text(resolution.Demo))
      .Set("runs", std::move(runs))
      .Set("average", OptionalNumber(resolution.Result))
      .Set("min", OptionalNumber(lowest))
      .Set("max", OptionalNumber(highest));
  return r;
}

}  // namespace

TwinResolution ResolutionOfTag(std::string_view tag, std::string_view customWidth,
                               std::string_view customHeight) {
  TwinResolution resolution;
  resolution.Name = ResolutionName(tag, customWidth, customHeight);
  if (const auto row = core::RowOfTag(tag)) {
    resolution.Width = core::kResolutionTable[*row].Width;
    resolution.Height = core::kResolutionTable[*row].Height;
  } else {
    resolution.Custom = true;
    resolution.Width = PixelCount(customWidth);
    resolution.Height = PixelCount(customHeight);
  }
  return resolution;
}

json::Value TwinDocument(const ResultsTwin& twin) {
  Value resolutions = Value::Array();
  for (const TwinResolution& resolution : twin.Resolutions)
    resolutions.Push(Resolution(resolution));
  Value document = Value::Object();
  document.Set("format", Text(kTwinFormat))
      .Set("format_version", Value::Number(kTwinFormatVersion))
      .Set("program_version", Text(twin.ProgramVersion))
      .Set("started", Text(twin.Started))
      .Set("report", Text(twin.ReportFile))
      .Set("machine", Machine(twin.Machine))
      .Set("note", Text(twin.Machine.Note))
      .Set("settings", Settings(twin.Settings))
      .Set("resolutions", std::move(resolutions));
  return document;
}

std::string TwinPathOf(std::string_view reportPath) {
  const std::size_t name = reportPath.find_last_of("\\/");
  const std::size_t dot = reportPath.rfind('.');
  const bool hasExtension =
      dot != std::string_view::npos && (name == std::string_view::npos || dot > name + 1);
  std::string twin(reportPath.substr(0, hasExtension ? dot : reportPath.size()));
  // A report the user named "x.json" must not be overwritten by its own twin.
  std::string extension(hasExtension ? reportPath.substr(dot) : "");
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  if (extension == ".json")
    twin = reportPath;
  return twin + ".json";
}

std::vector<SummaryRow> SummaryRows(const ResultsTwin& twin) {
  std::vector<SummaryRow> rows;
  for (const TwinResolution& resolution : twin.Resolutions)
    if (resolution.Result)
      rows.push_back({resolution.Name, resolution.ResultText, *resolution.Result});
  return rows;
}

}  // namespace tamsendor::report
