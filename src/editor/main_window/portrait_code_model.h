// Edit > "Copy portrait code" and "Paste portrait code": the portrait's multiplayer avatar
// settings as plain text, the settings line and the sex line that `kelvo avatar export` prints,
// so a portrait can be shared in a chat message. Pasting applies such a text with the avatar
// import's rules and refusals in one command (one undo step): the data set the sex asks for is
// loaded first only when it is not the open one. Works on one session by reference.
#pragma once

#include <functional>
#include <string>

#include "editor/session/desktop_port.h"
#include "editor/session/editor_session.h"

namespace kelvo {

// The text of "Copy portrait code": settings line, then sex line, each ended by "\n".
std::string PortraitCodeText(const TKelvoPortret& portrait);

class PortraitCodeModel {
 public:
  explicit PortraitCodeModel(EditorSession& session) : session_(session) {}
  PortraitCodeModel(const PortraitCodeModel&) = delete;
  PortraitCodeModel& operator=(const PortraitCodeModel&) = delete;

  void SetPort(DesktopPort* port) { port_ = port; }
  // Asked before another data set replaces the open one (unsaved library); false cancels.
  void SetReplaceGuard(std::function<bool()> mayReplace) { mayReplace_ = std::move(mayReplace); }
  // The head-number check after a change of data set.
  void SetHeadCheck(std::function<void()> checkHeads) { checkHeads_ = std::move(checkHeads); }

  void CopyCodeClick();
  void PasteCodeClick();
  // Applies a code text; false, with the reason shown, when it is refused or cancelled.
  bool PasteCode(const std::string& text);

 private:
  EditorSession& session_;
  DesktopPort* port_ = nullptr;
  std::function<bool()> mayReplace_;
  std::function<void()> checkHeads_;
};

}  // namespace kelvo
