#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report/result_collection.h"
#include "tests/fakes/fake_host_facts.h"
#include "tests/native/bench/bench_harness.h"
#include "tools/standins/standin_result_file.h"

namespace tamsendor::report::testing {

inline constexpr char kResults[] = "D:\\Benchmarks\\";
inline constexpr char kReport[] = "D:\\Benchmarks\\result_2007_11_23__21_05_07.htm";
inline constexpr char kTwin[] = "D:\\Benchmarks\\result_2007_11_23__21_05_07.json";

// Compares with the stored file in gold/; TAMSENDOR_UPDATE_GOLD=1 writes it instead (then read
// it through before committing).
inline void ExpectGold(const std::string& name, const std::string& bytes) {
  const std::filesystem::path gold =
      std::filesystem::path(TAMSENDOR_TEST_DATA_DIR) / "report" / "gold" / name;
  if (std::getenv("TAMSENDOR_UPDATE_GOLD") != nullptr) {
    std::ofstream(gold, std::ios::binary) << bytes;
    return;
  }
  std::ifstream in(gold, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << gold;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(bytes, expected.str()) << name;
}

// A whole benchmark as the main window runs it, on fakes: the simulated game leaves the result
// files that `figures` give, run by run ("" for a run that leaves none, anything else starting
// with "!" for the file's whole text).
struct ReportRun {
  ReportRun() {
    h.files.AddDirectory(kResults);
    h.folders.ResultsFolder = kResults;
    h.writeHeader = [this] {
      const sysinfo::DirectXFacts& directX = h.directx.Facts();
      collection.WriteReportHeader({h.start.FileStamp(), h.start.DisplayStamp(), "Korvalin demo 1",
                                    "Maximum", "ATI Radeon X1950 Pro", directX.DisplayMemory,
                                    directX.DriverVersion, directX.Sound, h.start.IsoStamp(),
                                    "1.2.0.0"});
    };
    h.collect = [this](const core::RunState& progress) {
      h.Record(progress);
      collection.CollectResults(progress);
    };
    h.game.onGameExit = [this](std::size_t run) {
      if (run >= figures.size() || figures[run].empty())
        return;
      const std::string& figure = figures[run];
      std::string text;
      if (figure[0] == '!') {
        text = figure.substr(1);
      } else {
        text = standin::ResultFileHeader() + "qordemo1.dem,UNKNOWN," + figure +
               ",  2.0, 24.7,1024,768,3000,90,D3DFMT_X8R8G8B8,Tamsendor stand-in,\r\n";
      }
      h.files.AddFile(h.folders.GameModFolder + "sourcebench.csv", text);
    };
  }

  void Run(const std::vector<int>& rows, int runCount, std::vector<std::string> runFigures,
           const std::string& customWidth = "", const std::string& customHeight = "") {
    figures = std::move(runFigures);
    h.Choose(rows, runCount, customWidth, customHeight);
    h.RunToEnd();
  }

  std::string Saved() const { return h.files.ReadBytes(kReport).value_or("<no report>"); }
  std::string SavedTwin() const { return h.files.ReadBytes(kTwin).value_or("<no twin>"); }

  bench::testing::BenchHarness h;
  fakes::FakeHostFacts host;
  fakes::FakeAdapterProbes probes;
  fakes::FakeDocumentOpener opener;
  fakes::FakeFileDialogs fileDialogs;
  std::vector<std::string> steps;
  std::vector<std::string> figures;
  ResultCollection collection{
      h.controls.ForCollection(),
      {h.files, h.dialogs, fileDialogs, opener, h.clock, host, probes},
      h.folders,
      {[this] { steps.push_back("restore autoexec"); }, [this] { steps.push_back("clean up"); }}};
};

}  // namespace tamsendor::report::testing
