#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/process_runner.h"
#include "platform/directx_provider.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system_folders.h"
#include "platform/ui_thread.h"
#include "ui/busy_indicator.h"

namespace tamsendor::sysinfo {

// What the DirectX diagnostic says about the machine. Texts are UTF-8.
struct DirectXFacts {
  std::string CardName;
  std::string DisplayMemory;
  std::string DriverVersion;
  std::string Sound;
};

struct DiagnosisServices {
  platform::Registry& registry;
  platform::FileSystem& files;
  const platform::SystemFolders& folders;
  platform::DirectXProvider& provider;
  platform::Timers& timers;
};

// The DirectX facts for this program run's benchmarks: from the cache in the product key, else
// from the DirectX diagnostic tool's text report, which is written to a folder of ours among the
// user's temporary files, read and deleted; what the report lacks comes from the diagnostic
// provider, and what neither knows reads "indeterminable". Three facts are cached for the rest
// of the program run; the card name is known only after a diagnosis in this program run.
class DirectXInformation {
 public:
  static constexpr std::uint32_t kAfterToolMs = 1000;

  DirectXInformation(const DiagnosisServices& services, ui::BusyIndicator& AdvCircularProgress1,
                     core::TJvCreateProcess& dxrun, std::function<void()> StartBenchmark)
      : s_(services),
        AdvCircularProgress1_(AdvCircularProgress1),
        dxrun_(dxrun),
        StartBenchmark_(std::move(StartBenchmark)) {}
  ~DirectXInformation();
  DirectXInformation(const DirectXInformation&) = delete;
  DirectXInformation& operator=(const DirectXInformation&) = delete;

  // Takes the cached texts; false when the cache holds no display memory, so a diagnosis is
  // needed. A cached driver version or sound left empty reads "No information".
  bool TakeCachedFacts();
  // Starts the diagnostic tool without waiting; `dxrunTerminate` follows its end. Without the
  // tool, the facts come from the provider at once. Either way StartBenchmark is called exactly
  // once when the facts are known.
  void RunDxDiag();
  // `dxrun`'s end notice: the report is read a second later, when the tool has let go of it.
  void dxrunTerminate();

  const DirectXFacts& Facts() const { return facts_; }
  // Where the tool writes its report.
  std::string ReportPath() const;

 private:
  void ReadReport();
  // Fills what `facts` lacks ("indeterminable") from the provider.
  void AskProvider(DirectXFacts& facts);
  void Finish();

  DiagnosisServices s_;
  ui::BusyIndicator& AdvCircularProgress1_;
  core::TJvCreateProcess& dxrun_;
  std::function<void()> StartBenchmark_;
  DirectXFacts facts_;
  bool diagnosing_ = false;
  std::optional<platform::TimerId> pending_;
};

}  // namespace tamsendor::sysinfo
