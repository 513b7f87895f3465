// Measures how long the program takes to read a DirectX diagnostic text report of 10 MB (a
// machine with many devices and drivers writes long ones), and prints the time per megabyte, so
// that a reading that is not linear in the size shows. Portable: runs natively.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "sysinfo/dxdiag_report.h"

namespace {

// A report of about `megabytes` MB: the display and sound sections at its end, after a long
// list of files and drivers, as the tool writes them.
std::string LongReport(std::size_t megabytes) {
  std::string report = "------------------\r\nSystem Information\r\n------------------\r\n";
  const std::string filler =
      "                  d3d9.dll: 6.00.6002.18005 (English) Final Retail 4/11/2009 04:35:00 "
      "1,824,256 bytes\r\n";
  while (report.size() < megabytes * 1024 * 1024)
    report += filler;
  report +=
      "           Card name: NVIDIA GeForce GTX 1060 6GB\r\n"
      "      Display Memory: 14209 MB\r\n"
      "       Driver Version: 25.21.14.1701\r\n"
      "             Description: Speakers (Realtek High Definition Audio)\r\n";
  return report;
}

double MedianMs(const std::string& report, int repetitions) {
  std::vector<double> times;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const auto facts = tamsendor::sysinfo::ReadDxDiagReport(report);
    const auto end = std::chrono::steady_clock::now();
    if (facts.DisplayMemory != " 14209 MB")
      std::fprintf(stderr, "unexpected reading: %s\n", facts.DisplayMemory.c_str());
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  constexpr int kRepetitions = 5;
  for (const std::size_t megabytes : {1u, 10u}) {
    const std::string report = LongReport(megabytes);
    const double ms = MedianMs(report, kRepetitions);
    std::printf("%2zu MB report: %7.1f ms (%.1f ms per MB), median of %d\n", megabytes, ms,
                ms / static_cast<double>(megabytes), kRepetitions);
  }
  return 0;
}
