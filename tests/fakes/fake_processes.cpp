#include "tests/fakes/fake_processes.h"

namespace tamsendor::fakes {

class FakeStartedProcess : public platform::StartedProcess {
 public:
  FakeStartedProcess(FakeProcessLauncher& launcher, std::shared_ptr<FakeProcessLauncher::Record> r)
      : launcher_(launcher), record_(std::move(r)) {}
  ~FakeStartedProcess() override { record_->alive = false; }

  void WaitUntilReady() override { ++launcher_.readyWaits_; }
  void NotifyOnExit(std::function<void(std::uint32_t)> onExit) override {
    record_->onExit = std::move(onExit);
  }

 private:
  FakeProcessLauncher& launcher_;
  std::shared_ptr<FakeProcessLauncher::Record> record_;
};

std::unique_ptr<platform::StartedProcess> FakeProcessLauncher::Start(
    const platform::ProcessStart& start) {
  if (failure_)
    throw *failure_;
  starts_.push_back(start);
  records_.push_back(std::make_shared<Record>());
  auto started = std::make_unique<FakeStartedProcess>(*this, records_.back());
  if (onStart)
    onStart(records_.size() - 1, start);
  return started;
}

void FakeProcessLauncher::EndProcess(std::size_t index, std::uint32_t exitCode) {
  auto record = records_.at(index);
  if (record->ended)
    return;
  record->ended = true;
  dispatcher_.Post([record, exitCode] {
    // A notice for an object that was destroyed meanwhile is dropped, as the real one is.
    if (record->alive && record->onExit)
      record->onExit(exitCode);
  });
}

std::optional<std::vector<platform::ProcessEntry>> FakeProcessTable::List() const {
  ++listCalls;
  if (listFails)
    return std::nullopt;
  std::vector<platform::ProcessEntry> list;
  for (const Entry& e : entries)
    list.push_back({e.id, e.exeName});
  return list;
}

bool FakeProcessTable::IsStillRunning(std::uint32_t processId) const {
  for (const Entry& e : entries) {
    if (e.id == processId)
      return e.running;
  }
  return false;
}

bool FakeProcessTable::Terminate(std::uint32_t processId) {
  const auto gone =
      std::erase_if(entries, [processId](const Entry& e) { return e.id == processId; });
  if (gone == 0)
    return false;
  terminated.push_back(processId);
  return true;
}

}  // namespace tamsendor::fakes
