#pragma once

#include <cstdint>
#include <string>

namespace tamsendor::bench {

// The benchmark in progress: one instance, owned by the main window for the whole program run.
// Numbers start at 0, texts empty, flags false.
struct RunState {
  int ChosenCount = 0;          // resolutions chosen for this benchmark
  int FinishedCount = 0;        // chosen resolutions whose runs are all done
  int RunsDone = 0;             // runs finished at the current resolution
  int RunCount = 0;             // runs per resolution, 1-5 once chosen
  std::int64_t ScoreTotal = 0;  // sum of the current resolution's whole-number scores
  std::string CurrentTag;       // tag of the resolution now running
  std::string LaunchLine;       // the last launch command line built
  std::string DemoName;         // the name given after "+timedemoquit"
  std::string DemoCaption;      // the demo as the report names it
  std::string DetailLevelName;  // the detail level as the report names it
  std::string FileStamp;        // start time made safe for a file name
  std::string DisplayStamp;     // start time as the report shows it
  std::string FastZFragment;
  std::string RefreshFragment;
  std::string HeapFragment;
  std::string DxLevelFragment;
  // The filter settings as console lines for the generated autoexec.cfg; each one line or empty.
  std::string AnisoLine;
  std::string TrilinearLine;
  std::string AaQualityLine;
  std::string AntialiasLine;
  bool GameRunning = false;       // last answer of the game check
  bool SteamRunning = false;      // last answer of IsSteamRunning
  bool AutoexecRestored = false;  // the user's autoexec.cfg is back after the last benchmark
  bool HeadingWritten = false;    // the current resolution's heading is in the report
  // The main window's normal position and size when Run was pressed.
  int SavedLeft = 0;
  int SavedTop = 0;
  int SavedWidth = 0;
  int SavedHeight = 0;
  std::string ReportPath;  // the saved report's path, kept by the result collection
  // What the DirectX diagnostic (or its cache) says about the machine. The card name is not
  // cached: it is known only after a diagnosis in this program run.
  std::string DxCardName;
  std::string DxDisplayMemory;
  std::string DxDriverVersion;
  std::string DxSound;
};

}  // namespace tamsendor::bench
