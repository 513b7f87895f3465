#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/adapter_probes.h"

namespace tamsendor::report {

// The report page, one entry per line, in the bytes the file gets (ISO-8859-1). Values enter
// through HtmlLatin1; the fixed texts are ASCII except the sign "×", the byte 0xD7.
using ReportLines = std::vector<std::string>;

// Everything the header shows, as it stands when the benchmark starts. Texts are UTF-8.
struct HeaderFacts {
  std::string DisplayStamp;
  std::string OsProductName;
  std::uint64_t TotalPhysicalMemory = 0;  // bytes
  std::string CpuName;
  int CpuSpeedMhz = 0;
  std::string DxSound;
  std::string DxCardName;
  std::string DxDisplayMemory;
  std::string DxDriverVersion;
  platform::AtiAdapterInfo Ati;
  platform::DisplayClassInfo DisplayClass;
  std::string Note;
};

// The choices a resolution ran with, as the window showed them. Texts are UTF-8.
struct BlockSettings {
  std::string DemoCaption;
  std::string DetailLevelName;
  std::string HighDynamicRange;
  std::string Heapsize;
  std::string MotionBlur;
  std::string DirectXLevel;
  std::string Antialiasing;
  std::string Filtering;
  bool FastZ = false;
  bool ColorCorrection = false;
};

// The system memory line, or empty text when the size has fewer than 8 digits: whole gigabytes
// from 11 digits of bytes on, one decimal of a gigabyte at 10 digits, two decimals of a megabyte
// at 8 or 9. The wording follows the digit count, not the size, and the locale's decimal
// separator is used.
std::string MemoryLine(std::uint64_t bytes, std::string_view decimalSeparator);

void AppendHeader(ReportLines& lines, const HeaderFacts& facts, std::string_view decimalSeparator);
// The heading of the resolution with `tag` ("custom": the user's own width and height as typed)
// and the ten settings lines.
void AppendResolutionBlock(ReportLines& lines, std::string_view tag, std::string_view customWidth,
                           std::string_view customHeight, const BlockSettings& settings);
void AppendSingleRunScore(ReportLines& lines, std::string_view scoreText);
void AppendRunScore(ReportLines& lines, std::string_view scoreText);
void AppendAverage(ReportLines& lines, int average);
// The spread of a resolution's scored runs, in the score lines' whole numbers.
std::string RangeLine(int minimum, int maximum);

// One resolution in the summary: its name, its result as the report shows it (the average, or
// the one run's score), and that result as a number for the bar.
struct SummaryRow {
  std::string Resolution;  // UTF-8
  std::string Result;
  double Value = 0;
};
// The summary table of a benchmark of several resolutions: each resolution, its result and a bar
// of proportional length, drawn with table cells (no script, no images).
void AppendSummary(ReportLines& lines, const std::vector<SummaryRow>& rows);
void AppendFooter(ReportLines& lines);

// The file's bytes: every line followed by CR LF, the last one included.
std::string ReportBytes(const ReportLines& lines);

}  // namespace tamsendor::report
