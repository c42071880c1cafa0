#include "editor/main_window/snap_geometry.h"

#include "editor/session/editor_session.h"
#include "foundation/wrapping_int.h"
#include "library/categories.h"
#include "library/type_library.h"

namespace kelvo {

SnapPoint* FindPoint(TKelvoKomp* component, int point) {
  if (component == nullptr || point < 1 || point > component->PointCount()) return nullptr;
  return &component->Point(point);
}

int SnapPointCount(const EditorSession& session) {
  return session.Container(session.State().CurrentCategory).PointCount();
}

SnapPoint* ChosenPoint(const EditorSession& session) {
  if (SnapPointCount(session) == 0) return nullptr;
  return FindPoint(session.SelectedComponent(), session.State().SnapPointLine + 1);
}

Offset SnapPointAbsolute(const EditorSession& session) {
  Offset sum;
  int category = session.State().CurrentCategory;
  int point = session.State().SnapPointLine + 1;
  // A parent chain longer than the number of categories runs in a circle.
  for (int hops = 0; category != 0; ++hops) {
    if (hops >= kCategoryCount) throw EditorError("A sakra");
    if (const SnapPoint* p = FindPoint(session.Selected(category), point)) {
      WrapAdd(sum.x, p->X);
      WrapAdd(sum.y, p->Y);
    }
    const int parent = session.Container(category).Parent;
    if (parent != 0) {
      if (parent < 1 || parent > kCategoryCount) throw EditorError("A sakra");
      point = session.Container(parent).PointOf.at(category);
      if (point == 0) throw EditorError("A sakra");
    }
    category = parent;
  }
  return sum;
}

}  // namespace kelvo
