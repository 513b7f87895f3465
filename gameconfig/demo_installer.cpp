#include "gameconfig/demo_installer.h"

#include "core/product_key.h"
#include "platform/path_text.h"

namespace tamsendor::gameconfig {

namespace {

constexpr int kDemo1 = 0;
constexpr int kDemo2 = 1;
constexpr int kCustom = 2;
constexpr char kShipped1[] = "qordemo1.dem";
constexpr char kShipped2[] = "qordemo2.dem";

// What the console takes in "+timedemoquit NAME" without quoting. The engine reads a word that
// starts with "-" as an option of its own, not as the demo: "+timedemoquit -novid" would run
// no demo and pass an option the user never chose.
bool ConsoleSafe(std::string_view name) {
  if (!name.empty() && name.front() == '-')
    return false;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-' || c == '.';
    if (!ok)
      return false;
  }
  return !name.empty();
}

}  // namespace

std::string DemoInstaller::DemoNameOf(std::string_view fileName) {
  constexpr std::string_view kExtension = ".dem";
  if (fileName.size() <= kExtension.size() ||
      !platform::EqualsIgnoringCase(fileName.substr(fileName.size() - kExtension.size()),
                                    kExtension))
    return {};
  const std::string_view name = fileName.substr(0, fileName.size() - kExtension.size());
  return ConsoleSafe(name) ? std::string(name) : std::string();
}

bool DemoInstaller::CheckDemoChoice() {
  switch (c_.demo.ItemIndex()) {
    case kDemo1:
    case kDemo2: {
      const std::string source =
          folders_.ProgramFolder + (c_.demo.ItemIndex() == kDemo1 ? kShipped1 : kShipped2);
      if (files_.FileExists(source))
        return true;
      dialogs_.ShowMessage(
          "The demo file is missing from the program's folder. Please reinstall "
          "the Korvalin Tamsendor.\n\n" +
          source);
      return false;
    }
    case kCustom: {
      const std::string& path = c_.DemoEdit.Text();
      if (path.empty()) {
        dialogs_.ShowMessage("Please choose your demo file with the button beside its field.");
        return false;
      }
      if (!files_.FileExists(path)) {
        dialogs_.ShowMessage("Your demo file does not exist any more. Please choose it again.\n\n" +
                             path);
        return false;
      }
      if (DemoNameOf(platform::FileNamePart(path)).empty()) {
        dialogs_.ShowMessage(
            "The game cannot play this file: a demo file ends in .dem, and its name may hold only "
            "letters, digits and the signs _ - . (no blanks). Please rename it and choose it "
            "again.\n\n" +
            path);
        return false;
      }
      return true;
    }
    default:
      dialogs_.ShowMessage("Please choose a demo for the benchmark.");
      return false;
  }
}

bool DemoInstaller::Copy(const std::string& from, const std::string& to) {
  if (const platform::FileResult copied = files_.CopyReplacing(from, to); !copied) {
    dialogs_.ShowMessage(
        "The benchmark cannot start: the demo cannot be copied into the game's "
        "folder.\n\n" +
        to + "\n" + copied.reason);
    return false;
  }
  return true;
}

bool DemoInstaller::IsOurShippedDemo(const std::string& fileName) const {
  const std::string placed = folders_.GameModFolder + fileName;
  // The user's own demo may carry our name; the file they chose is never ours to remove.
  if (!c_.DemoEdit.Text().empty() &&
      platform::PathKey(c_.DemoEdit.Text()) == platform::PathKey(placed))
    return false;
  if (!files_.FileExists(placed))
    return false;
  // Ours only when it is a copy of our shipped file: any other file of that name is the user's.
  const auto there = files_.ReadBytes(placed);
  const auto shipped = files_.ReadBytes(folders_.ProgramFolder + fileName);
  return there && shipped && *there == *shipped;
}

bool DemoInstaller::Place(const std::string& source, const std::string& placed) {
  // The chosen file may already be the one in the game's folder: it is used where it is.
  if (platform::PathKey(source) == platform::PathKey(placed))
    return true;
  if (files_.FileExists(placed)) {
    const auto existing = files_.ReadBytes(placed);
    const auto wanted = files_.ReadBytes(source);
    if (existing && wanted && *existing == *wanted)
      return true;
    // Another demo of the same name is the user's own: replace it only when told to.
    const std::string fileName(platform::FileNamePart(placed));
    if (!dialogs_.ConfirmYesNo("The game's folder already holds a different " + fileName + ".\n\n" +
                               placed + "\n\nReplace it with " + source + "?"))
      return false;
  }
  return Copy(source, placed);
}

bool DemoInstaller::PlaceShipped(const std::string& fileName) {
  return Place(folders_.ProgramFolder + fileName, folders_.GameModFolder + fileName);
}

bool DemoInstaller::PlaceCustom() {
  const std::string& chosen = c_.DemoEdit.Text();
  const std::string fileName(platform::FileNamePart(chosen));
  const std::string name = DemoNameOf(fileName);
  DemoCaption_ = "Custom demo - " + name;
  DemoName_ = name;
  return Place(chosen, folders_.GameModFolder + fileName);
}

bool DemoInstaller::InstallDemo() {
  // A shipped demo a benchmark left goes (the second stays beside the first until the clean-up);
  // a file of the user's under our name stays.
  const int choice = c_.demo.ItemIndex();
  if (choice != kDemo1)
    RemoveIfOurs(kShipped1);
  if (choice != kDemo1 && choice != kDemo2)
    RemoveIfOurs(kShipped2);
  if (choice == kDemo1) {
    DemoCaption_ = "Korvalin demo 1";
    DemoName_ = "qordemo1";
    return PlaceShipped(kShipped1);
  }
  if (choice == kDemo2) {
    DemoCaption_ = "Korvalin demo 2";
    DemoName_ = "qordemo2";
    return PlaceShipped(kShipped2);
  }
  if (choice == kCustom)
    return PlaceCustom();
  return false;
}

void DemoInstaller::RemoveIfOurs(const char* fileName) {
  if (IsOurShippedDemo(fileName))
    files_.RemoveFile(folders_.GameModFolder + fileName);
}

void DemoInstaller::RemoveShippedDemos() {
  RemoveIfOurs(kShipped1);
  RemoveIfOurs(kShipped2);
}

void DemoInstaller::StoreChoice() {
  const int choice = c_.demo.ItemIndex();
  if (choice < kDemo1 || choice > kCustom)
    return;
  core::WriteProductValue(registry_, "Demo", std::to_string(choice + 1));
}

void DemoInstaller::demoChanging() {
  StoreChoice();
  const bool custom = c_.demo.ItemIndex() == kCustom;
  c_.DemoEdit.SetEnabled(custom);
  c_.DemoEditButton.SetEnabled(custom);
}

void DemoInstaller::demoMouseLeave() {
  StoreChoice();
}

void DemoInstaller::DemoEditButtonClick() {
  // It opens where the demo shown lies.
  const auto chosen = fileDialogs_.OpenFile("", "Half-Life 2 demo file (*.dem)|*.dem",
                                            platform::ParentFolder(c_.DemoEdit.Text()));
  if (!chosen)
    return;
  c_.DemoEdit.SetText(*chosen);
  if (!c_.DemoEdit.Text().empty())
    core::WriteProductValue(registry_, "Demoname", c_.DemoEdit.Text());
}

}  // namespace tamsendor::gameconfig
