#include "editor/main_window/portrait_code_model.h"

#include <exception>
#include <sstream>
#include <vector>

#include "portrait/avatar_settings.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

// The text's lines without blanks around them; empty lines are skipped.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    const size_t last = line.find_last_not_of(" \t\r");
    lines.push_back(line.substr(first, last - first + 1));
  }
  return lines;
}

}  // namespace

std::string PortraitCodeText(const TKelvoPortret& portrait) {
  return AvatarSettingsText(portrait) + "\n" + AvatarSexText(portrait) + "\n";
}

void PortraitCodeModel::CopyCodeClick() {
  if (port_ == nullptr || !session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  const std::string text = PortraitCodeText(session_.Portrait());
  port_->CopyText(text);
  session_.Report("Copied the portrait code " + text.substr(0, text.find('\n')));
}

void PortraitCodeModel::PasteCodeClick() {
  if (port_ == nullptr || !session_.HasPortrait()) return;
  const std::optional<std::string> text = port_->ClipboardText();
  PasteCode(text.value_or(""));
}

bool PortraitCodeModel::PasteCode(const std::string& text) {
  EditorSession::Command cmd(session_);
  const std::vector<std::string> lines = Lines(text);
  AvatarSettings avatar;
  try {
    if (lines.size() != 2) {
      throw AvatarFormatError(
          "a portrait code is two lines, the avatar settings (14 numbers, each followed by "
          "\";\") and the sex flag");
    }
    const std::uint8_t sex = ParseAvatarSex(lines[1]);
    avatar = ParseAvatarSettings(lines[0]);
    avatar.Sex = sex;
    if (avatar.Fields == 0) throw AvatarFormatError("the avatar settings hold no numbers");
  } catch (const std::exception& error) {
    ShowError(session_.prompter(), "The clipboard holds no portrait code: " + FailureText(error));
    return false;
  }
  const std::string dataSet = AvatarImportDataSet(avatar.Sex);
  if (session_.State().DataSetDir != dataSet) {
    if (mayReplace_ && !mayReplace_()) return false;
    try {
      session_.LoadDataSet(dataSet);
    } catch (const std::exception& error) {
      ReportError(session_.prompter(), error);
      return false;
    }
    if (checkHeads_) checkHeads_();
  }
  {
    // After any change of data set, which empties the history: the paste itself is the step.
    EditorSession::Step step(session_, "Paste portrait code", 0);
    ApplyAvatar(session_.Portrait(), avatar);
    session_.Notify(SessionEvent::PortraitReplaced);
    session_.RefreshPortrait();
  }
  session_.Report("Pasted the portrait code " + lines[0] + " (" + dataSet + ")");
  return true;
}

}  // namespace kelvo
