#include "core/process_runner.h"

#include "platform/path_text.h"

namespace tamsendor::core {

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

void TJvCreateProcess::Run() {
  if (waiting_)
    throw RunnerBusyError();

  platform::ProcessStart start;
  start.commandLine = Program.empty() || CommandLine.rfind(Program, 0) != 0
                          ? QuoteProgramPart(CommandLine)
                          : QuoteProgram(CommandLine, Program);
  start.currentDirectory = Trim(CurrentDirectory);
  start.priority = Priority;
  start.hidden = true;
  std::unique_ptr<platform::StartedProcess> process = launcher_.Start(start);

  if (!WaitForTerminate) {
    process->WaitUntilReady();
    return;
  }
  waiting_ = std::move(process);
  waiting_->NotifyOnExit([this](std::uint32_t exitCode) {
    // Ready again before the handler runs, so the handler may start the next process.
    const auto ended = std::move(waiting_);
    if (OnTerminate)
      OnTerminate(*this, exitCode);
  });
}

std::string QuoteProgram(const std::string& commandLine, const std::string& program) {
  if (program.find_first_of(" \t") == std::string::npos)
    return commandLine;
  return "\"" + program + "\"" + commandLine.substr(program.size());
}

std::string QuoteProgramPart(const std::string& commandLine) {
  if (commandLine.empty() || commandLine.front() == '"')
    return commandLine;
  const std::string folded = platform::FoldCase(commandLine);
  for (auto at = folded.find(".exe"); at != std::string::npos; at = folded.find(".exe", at + 1)) {
    const std::size_t end = at + 4;
    if (end != folded.size() && folded[end] != ' ' && folded[end] != '\t')
      continue;
    const std::string program = commandLine.substr(0, end);
    if (program.find_first_of(" \t") == std::string::npos)
      return commandLine;
    return "\"" + program + "\"" + commandLine.substr(end);
  }
  return commandLine;
}

}  // namespace tamsendor::core
