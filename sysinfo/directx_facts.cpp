#include "sysinfo/directx_facts.h"

#include <optional>

#include "core/product_key.h"
#include "sysinfo/dxdiag_report.h"

namespace tamsendor::sysinfo {

namespace {

constexpr char kNoInformation[] = "No information";
constexpr char kIndeterminable[] = "indeterminable";
// Ours among the user's temporary files: the program's own folder is not writable for a
// standard user, and the tool would write nothing there.
constexpr char kReportFolder[] = "Korvalin Tamsendor\\";
constexpr char kReportName[] = "dxinfo.txt";

// A fact the report lacks takes the provider's text, in the form the report's cut gives: with a
// blank before it, or without one for the sound.
void Fill(std::string& fact, const std::string& given, bool blankFirst) {
  if (fact == kIndeterminable && !given.empty())
    fact = blankFirst ? " " + given : given;
}

}  // namespace

DirectXInformation::~DirectXInformation() {
  if (pending_)
    s_.timers.Cancel(*pending_);
}

bool DirectXInformation::TakeCachedFacts() {
  const std::string displayMemory = core::ReadProductValue(s_.registry, "Display Memory");
  if (displayMemory.empty())
    return false;
  const std::string driver = core::ReadProductValue(s_.registry, "Driver Version");
  const std::string sound = core::ReadProductValue(s_.registry, "Sound");
  facts_.DisplayMemory = displayMemory;
  facts_.DriverVersion = driver.empty() ? kNoInformation : driver;
  facts_.Sound = sound.empty() ? kNoInformation : sound;
  return true;
}

std::string DirectXInformation::ReportPath() const {
  return s_.folders.TemporaryFolder() + kReportFolder + kReportName;
}

void DirectXInformation::RunDxDiag() {
  diagnosing_ = true;
  const std::string system = s_.folders.SystemFolder();
  const std::string tool = system + "\\dxdiag.exe";
  if (!system.empty() && s_.files.FileExists(tool)) {
    const std::string report = ReportPath();
    const std::string folder = s_.folders.TemporaryFolder() + kReportFolder;
    // A report left from an earlier diagnosis would pass for this one's.
    if (s_.files.FileExists(report))
      s_.files.RemoveFile(report);
    if (s_.files.DirectoryExists(folder) || s_.files.MakeDirectories(folder)) {
      // Quoted: the folders may hold blanks ("C:\Users\Jane Doe\AppData\Local\Temp\").
      dxrun_.CommandLine = "\"" + tool + "\" /whql:on /t \"" + report + "\"";
      dxrun_.CurrentDirectory = system;
      try {
        dxrun_.Run();
        return;
      } catch (const platform::OsError&) {
        // As if the tool were missing.
      }
    }
  }
  // No tool: what the provider knows; the card name keeps the last diagnosis's otherwise.
  DirectXFacts facts{kIndeterminable, kIndeterminable, kIndeterminable, kIndeterminable};
  AskProvider(facts);
  if (facts.CardName == kIndeterminable)
    facts.CardName = facts_.CardName;
  facts_ = facts;
  Finish();
}

void DirectXInformation::dxrunTerminate() {
  // One reading per diagnosis, whatever notices come.
  if (!diagnosing_ || pending_)
    return;
  pending_ = s_.timers.After(kAfterToolMs, [this] {
    pending_.reset();
    ReadReport();
  });
}

void DirectXInformation::ReadReport() {
  const std::string report = ReportPath();
  DirectXFacts facts{kIndeterminable, kIndeterminable, kIndeterminable, kIndeterminable};
  const bool written = s_.files.FileExists(report);
  if (written) {
    if (const std::optional<std::string> bytes = s_.files.ReadBytes(report))
      facts = ReadDxDiagReport(s_.folders.AnsiToUtf8(*bytes));
  }
  AskProvider(facts);
  if (written) {
    // What is known is kept for the program run's later benchmarks; what is not is asked for
    // again at the next one.
    const auto cache = [this](const char* name, const std::string& value) {
      if (!value.empty() && value != kIndeterminable)
        core::WriteProductValue(s_.registry, name, value);
    };
    cache("Display Memory", facts.DisplayMemory);
    cache("Driver Version", facts.DriverVersion);
    cache("Sound", facts.Sound);
    s_.files.RemoveFile(report);
  }
  facts_ = facts;
  Finish();
}

void DirectXInformation::AskProvider(DirectXFacts& facts) {
  if (facts.CardName != kIndeterminable && facts.DisplayMemory != kIndeterminable &&
      facts.DriverVersion != kIndeterminable && facts.Sound != kIndeterminable)
    return;
  const platform::DirectXDevices devices = s_.provider.Query();
  Fill(facts.CardName, devices.CardName, true);
  Fill(facts.DisplayMemory, devices.DisplayMemory, true);
  Fill(facts.DriverVersion, devices.DriverVersion, true);
  Fill(facts.Sound, devices.SoundDescription, false);
}

void DirectXInformation::Finish() {
  diagnosing_ = false;
  AdvCircularProgress1_.SetEnabled(false);
  AdvCircularProgress1_.SetVisible(false);
  StartBenchmark_();
}

}  // namespace tamsendor::sysinfo
