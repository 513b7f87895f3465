#include "report/report_lines.h"

#include <algorithm>
#include <charconv>

#include "core/resolution_table.h"
#include "report/html_text.h"
#include "core/maker.h"

namespace tamsendor::report {

namespace {

constexpr char kTimes[] = "\xD7";  // "×" in ISO-8859-1
constexpr char kFontLine[] = "   <FONT size=2><b>";
constexpr char kFontEnd[] = "</FONT><br>";
constexpr char kVgaHeading[] =
    "   <align=\"left\"><span class=\"style4\">VGA Information</span><br>";

// "   <FONT size=2><b>Label:</b> value</FONT><br>"
std::string FactLine(std::string_view label, std::string_view value) {
  return std::string(kFontLine) + std::string(label) + "</b> " + HtmlLatin1(value) + kFontEnd;
}

std::string Fixed(double value, int decimals, std::string_view decimalSeparator) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (const auto point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, decimalSeparator);
  return text;
}

std::string Heading(std::string_view tag, std::string_view customWidth,
                    std::string_view customHeight) {
  std::string size;
  if (tag == core::CustomResolution::Tag) {
    size = HtmlLatin1(customWidth) + " " + kTimes + " " + HtmlLatin1(customHeight) + " (Custom)";
  } else if (const auto row = core::RowOfTag(tag)) {
    const core::ResolutionEntry& entry = core::kResolutionTable[*row];
    size = std::to_string(entry.Width) + kTimes + std::to_string(entry.Height) +
           std::string(entry.ReportRemark);
  } else {
    size = HtmlLatin1(tag);
  }
  return "<BR><B><FONT size=5>Resolution: " + size + "</FONT></B><BR>";
}

std::string Switch(bool on) {
  return on ? "Enabled" : "Disabled";
}

}  // namespace

std::string MemoryLine(std::uint64_t bytes, std::string_view decimalSeparator) {
  const std::size_t digits = std::to_string(bytes).size();
  std::string figure;
  if (digits >= 11)
    figure = std::to_string(bytes / 1073741824) + "GB";
  else if (digits == 10)
    figure = Fixed(static_cast<double>(bytes) / 1073741824.0, 1, decimalSeparator) + " GB ";
  else if (digits >= 8)
    figure = Fixed(static_cast<double>(bytes) / 1048576.0, 2, decimalSeparator) + " MB ";
  else
    return {};
  return std::string(kFontLine) + "System memory:</b> " + figure + kFontEnd;
}

void AppendHeader(ReportLines& lines, const HeaderFacts& facts, std::string_view decimalSeparator) {
  lines.insert(
      lines.end(),
      {
          "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
          "\"http://www.w3.org/TR/html4/loose.dtd\">",
          "<html>",
          "<head>",
          "<title>Tamsendor - " + HtmlLatin1(core::kMakerSite) + "</title>",
          "<style type=\"text/css\">",
          "<!--",
          ".style4 {",
          "\tcolor: #0066FF;",
          "\tfont-weight: bold;",
          "}",
          ".style5 {color: #990000}",
          ".style6 {color: #0066FF}",
          ".style7 {",
          "font-size: 36px;",
          "font-weight: bold;)",
          "}",
          "-->",
          "</style>",
          "<meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=iso-8859-1\"></head>",
          "<body>",
          "<p align=\"center\" class=\"style7\">Tamsendor</p><br>",
          "   <FONT size=2>The benchmark started at " + HtmlLatin1(facts.DisplayStamp) + kFontEnd,
          "<p align=\"left\"><span class=\"style4\">System Information<br></span>",
          FactLine("Operating system:", facts.OsProductName),
      });
  if (std::string memory = MemoryLine(facts.TotalPhysicalMemory, decimalSeparator); !memory.empty())
    lines.push_back(std::move(memory));
  lines.push_back(FactLine("CPU:", facts.CpuName));
  lines.push_back(std::string(kFontLine) + "CPU speed:</b> " + std::to_string(facts.CpuSpeedMhz) +
                  " MHz" + kFontEnd);
  lines.push_back(FactLine("Sound system:", facts.DxSound));

  const platform::AtiAdapterInfo& ati = facts.Ati;
  if (ati.Valid) {
    lines.push_back(kVgaHeading);
    lines.push_back(FactLine("Graphics card:", ati.CardName));
    if (!ati.BusType.empty() && !ati.MemoryType.empty())
      lines.push_back(FactLine("Bustype:", ati.BusType));
    lines.push_back(FactLine("Memory:", facts.DxDisplayMemory));
    lines.push_back(FactLine("Current VPU speed:", ati.CoreClock));
    lines.push_back(FactLine("Current memory speed:", ati.MemoryClock));
    lines.push_back(FactLine("Driver version:", facts.DxDriverVersion));
  }
  const platform::DisplayClassInfo& display = facts.DisplayClass;
  if (display.Valid) {
    lines.push_back(kVgaHeading);
    lines.push_back(FactLine("Graphics card:", display.DriverDesc));
    lines.push_back(FactLine("Memory:", facts.DxDisplayMemory));
    lines.push_back(FactLine("Current GPU speed:", display.GpuSpeed));
    lines.push_back(FactLine("Current memory speed:", display.MemorySpeed));
    lines.push_back(FactLine("Driver version:", facts.DxDriverVersion));
  }
  if (!ati.Valid && !display.Valid) {
    lines.push_back(kVgaHeading);
    lines.push_back(FactLine("Graphics card:", facts.DxCardName));
    lines.push_back(FactLine("Memory:", facts.DxDisplayMemory));
    lines.push_back(FactLine("Driver version:", facts.DxDriverVersion));
  }

  if (!facts.Note.empty()) {
    lines.push_back("<FONT size=2><span class=\"style6\">Comment:</span> " +
                    HtmlLatin1(facts.Note) + kFontEnd);
  }
  lines.push_back("<hr>");
}

void AppendResolutionBlock(ReportLines& lines, std::string_view tag, std::string_view customWidth,
                           std::string_view customHeight, const BlockSettings& settings) {
  auto setting = [](std::string_view label, std::string_view value) {
    return "<b>" + std::string(label) + ":</b> " + HtmlLatin1(value) + "<br>";
  };
  lines.insert(lines.end(), {
                                Heading(tag, customWidth, customHeight),
                                setting("Demo", settings.DemoCaption),
                                setting("Detail", settings.DetailLevelName + " quality"),
                                setting("High Dynamic Range", settings.HighDynamicRange),
                                setting("Heapsize", settings.Heapsize),
                                setting("Motion Blur", settings.MotionBlur),
                                setting("DirectX Level", settings.DirectXLevel),
                                setting("Antialising mode", settings.Antialiasing),
                                setting("Filtering mode", settings.Filtering),
                                setting("Fast Z", Switch(settings.FastZ)),
                                setting("Color Correction", Switch(settings.ColorCorrection)),
                            });
}

void AppendSingleRunScore(ReportLines& lines, std::string_view scoreText) {
  lines.push_back("<span class=\"style5\"><b>Score = " + HtmlLatin1(scoreText) +
                  " FPS</b></span><br>");
  lines.push_back("<br><HR>");
}

void AppendRunScore(ReportLines& lines, std::string_view scoreText) {
  lines.push_back("<b>Score = " + HtmlLatin1(scoreText) + " FPS</b><br>");
}

void AppendAverage(ReportLines& lines, int average) {
  lines.push_back("<span class=\"style5\"><b>Average score = " + std::to_string(average) +
                  " FPS</b></span><br>");
  lines.push_back("<br><HR>");
}

std::string RangeLine(int minimum, int maximum) {
  return "<b>Range: " + std::to_string(minimum) + " - " + std::to_string(maximum) + " FPS</b><br>";
}

void AppendSummary(ReportLines& lines, const std::vector<SummaryRow>& rows) {
  double best = 0;
  for (const SummaryRow& row : rows)
    best = std::max(best, row.Value);
  lines.push_back("<BR><B><FONT size=5>Summary</FONT></B><BR>");
  lines.push_back("<TABLE border=0 cellspacing=2 cellpadding=2 width=640>");
  for (const SummaryRow& row : rows) {
    // Whole percent of the best result; a result that is there shows at least a sliver.
    const int percent =
        best <= 0 ? 0 : std::clamp(static_cast<int>(row.Value * 100 / best + 0.5), 1, 100);
    lines.push_back("<TR><TD width=200><b>" + HtmlLatin1(row.Resolution) +
                    "</b></TD><TD width=90 align=right>" + HtmlLatin1(row.Result) +
                    " FPS</TD><TD width=350><TABLE border=0 cellspacing=0 cellpadding=0 width=\"" +
                    std::to_string(percent) +
                    "%\"><TR><TD bgcolor=\"#E8891F\" height=14>&nbsp;</TD></TR></TABLE></TD></TR>");
  }
  lines.push_back("</TABLE>");
}

void AppendFooter(ReportLines& lines) {
  lines.push_back("<P></P>");
  lines.push_back("<CENTER>" + HtmlLatin1(core::kMakerCopyright) + "</CENTER><BR></BODY></HTML>");
}

std::string ReportBytes(const ReportLines& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace tamsendor::report
