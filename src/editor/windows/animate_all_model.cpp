#include "editor/windows/animate_all_model.h"

#include "library/container.h"
#include "library/process_context.h"
#include "portrait/frames.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

// The highest variant of each region: a random draw picks 0 up to it.
constexpr int kBrowVariants = kEyebrowSteps - 1;
constexpr int kEyeVariants = kEyeSteps - 1;
constexpr int kMouthVariants = kMouthSteps - 1;
constexpr int kMouthTicks = 3;

}  // namespace

AnimateAllModel::AnimateAllModel(EditorSession& session)
    : session_(session),
      image_(create_layer(kSmallPortraitWidth, kSmallPortraitHeight, "TFAllAnim")) {}

int AnimateAllModel::Random(int n) {
  return static_cast<int>(session_.Context().Random().CommonBelow(static_cast<uint32_t>(n)));
}

bool AnimateAllModel::BtnAnimAllClick(const ListChoice& choice) {
  if (state_.Running || !session_.HasPortrait()) return false;
  TKelvoPortret& portrait = session_.Portrait();
  const int category = session_.State().CurrentCategory;
  if (choice.StepsFilter()) {
    // Its own command: the redraw it brings ends before the frames are made, which a redraw
    // would free.
    EditorSession::Command cmd(session_);
    TKelvoKompKontejner& container = session_.Container(category);
    const int owner = container.FindByName(choice.Owner.Name);
    TKelvoKomp* chosen = owner >= 1 ? &container.Komp(owner) : nullptr;
    if (chosen != nullptr && portrait.Selected.at(category) != chosen) {
      portrait.Selected.at(category) = chosen;
      session_.Notify(SessionEvent::ComponentChosen);
    }
  }
  MakeSmallPortrait(portrait, *image_);
  GenerateAllFrames(portrait);
  state_ = AnimateAllState{};
  state_.BrowCounter = Random(5) + 6;
  state_.EyeCounter = Random(3) + 3;
  state_.TalkCounter = Random(4) + 7;
  state_.MouthCounter = Random(2) + 2;
  state_.Talking = false;
  state_.Running = true;
  return true;
}

void AnimateAllModel::TMAnimAllTimer() {
  if (!state_.Running || !session_.HasPortrait()) return;
  TKelvoPortret& portrait = session_.Portrait();
  ++state_.Ticks;
  if (--state_.BrowCounter <= 0) {
    PasteBrowFrame(portrait, Random(kBrowVariants + 1), *image_);
    state_.BrowCounter = Random(50) + 10;
  }
  if (--state_.EyeCounter <= 0) {
    PasteEyeFrame(portrait, Random(kEyeVariants + 1), *image_);
    state_.EyeCounter = Random(6) + 6;
  }
  if (state_.Talking && --state_.MouthCounter <= 0) {
    PasteMouthFrame(portrait, Random(kMouthVariants + 1), *image_);
    state_.MouthCounter = kMouthTicks;
  }
  if (--state_.TalkCounter <= 0) {
    state_.Talking = !state_.Talking;
    if (!state_.Talking) {
      PasteMouthFrame(portrait, 0, *image_);
      state_.TalkCounter = Random(30) + 10;
    } else {
      state_.TalkCounter = Random(50) + 10;
    }
    state_.MouthCounter = kMouthTicks;
  }
}

// The frames were rendered clipped into the portrait's render layer; the central redraw puts
// the whole portrait back, which the previews and the avatar dialog read.
void AnimateAllModel::Stop() {
  if (!state_.Running) return;
  state_.Running = false;
  if (session_.HasPortrait()) session_.RefreshPortrait();
}

}  // namespace kelvo
