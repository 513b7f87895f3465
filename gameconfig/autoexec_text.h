#pragma once

#include <string>
#include <string_view>

namespace tamsendor::gameconfig {

// The choices the generated autoexec.cfg follows.
struct AutoexecChoices {
  int hdrIndex = -1;  // `HDRBox`: "None", "Bloom (if available)", "Full (if available)"
  bool colorCorrection = false;
  std::string anisoLine;  // the four filter lines, each one console line or empty
  std::string trilinearLine;
  std::string aaQualityLine;
  std::string antialiasLine;
  int motionBlurIndex = -1;  // `MBlurBox`: "Enabled", "Disabled"
};

// The maximum-detail template's six lines, each followed by CR LF: what every composition starts
// from, and what the main window keeps in its hidden `MaxSet`.
std::string AutoexecTemplateText();

// The whole file: the maximum-detail template, the fixed settings, then the choice lines, each
// line followed by CR LF. Every composition starts from the template alone.
std::string ComposeAutoexecText(const AutoexecChoices& choices);

// True when the file begins as every file this program composes does: then it is ours to
// remove, not the user's.
bool LooksComposed(std::string_view fileText);

}  // namespace tamsendor::gameconfig
