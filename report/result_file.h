#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamsendor::report {

// The frames-per-second field of the run just made, as the engine wrote it into its timedemo
// result file (blanks included). Two layouts are known:
// - the 2007 engine: a title line, an empty line, a header naming "frames/sec", then the runs;
//   the file is deleted before every run, so the first run row, the fourth line, is the run
//   just made, and its third field is the figure;
// - newer engines: a header naming an "fps" column, and a row appended for every run; the last
//   row is the run just made.
// A file whose header names no "fps" column is read the 2007 way. nullopt when the file is too
// short or the row has too few fields.
std::optional<std::string> ReadScoreField(std::string_view fileText);

}  // namespace tamsendor::report
