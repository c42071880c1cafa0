// The session that area models share: observers hear what other areas changed and the main
// window follows; replacing the data set frees nothing that undo records still name.
#include "editor/session/editor_session.h"

#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class Session : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
};

class RecordingObserver : public SessionObserver {
 public:
  void OnSessionEvent(SessionEvent event) override { events.push_back(event); }
  void OnRendered() override { ++renders; }
  std::vector<SessionEvent> events;
  int renders = 0;
};

TEST_F(Session, AnotherAreasPortraitChangeRefillsTheMainWindow) {
  Select(kFaces, "f1");
  EditorSession& session = model->Session();
  const auto refreshes = session.State().RefreshCount;
  session.Portrait().Selected[kFaces] = &Komp(kFaces, "f3");
  session.Notify(SessionEvent::PortraitReplaced);
  EXPECT_EQ(model->ComponentList().State().ComponentLine, Line("f3"));
  EXPECT_EQ(session.State().RefreshCount, refreshes + 1);
}

TEST_F(Session, ObserversHearOthersButNotTheSender) {
  EditorSession& session = model->Session();
  RecordingObserver a;
  RecordingObserver b;
  session.AddObserver(&a);
  session.AddObserver(&b);
  session.AddObserver(&a);                          // once only
  session.Notify(SessionEvent::LibraryEdited, &a);  // the main window redraws
  EXPECT_TRUE(a.events.empty());
  EXPECT_EQ(b.events, std::vector<SessionEvent>{SessionEvent::LibraryEdited});
  EXPECT_EQ(a.renders, 1);
  session.RemoveObserver(&a);
  session.RemoveObserver(&b);
  session.RefreshPortrait();
  EXPECT_EQ(a.renders, 1);
}

TEST_F(Session, ReplacingTheDataSetEmptiesTheUndoStackAndTheChangedMark) {
  Select(kFaces, "f1");
  model->SpinEditPosXChange(5);
  model->BtnUsePosClick();
  EditorSession& session = model->Session();
  ASSERT_FALSE(session.Undo().Empty());
  session.MarkLibraryChanged();
  auto library = std::make_unique<TKelvoTyp>(context->Archive(), "lib");
  library->LoadAll();
  auto portrait = std::make_unique<TKelvoPortret>(*library);
  portrait->RandomComponents(context->Random());
  portrait->PripravPortret(false);
  session.ReplaceDataSet(std::move(library), std::move(portrait));
  EXPECT_TRUE(session.Undo().Empty());
  EXPECT_FALSE(session.State().LibraryChanged);
  EXPECT_NE(model->SelectedComponent(), nullptr);
  model->BtnUndoClick();  // nothing left that names the freed library
}

}  // namespace
}  // namespace kelvo::test
