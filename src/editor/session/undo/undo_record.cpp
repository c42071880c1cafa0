#include "editor/session/undo/undo_record.h"

#include "library/categories.h"

namespace kelvo {

std::string UndoRecord::Description() const {
  const int category = Category();
  if (category < 1 || category > kCategoryCount) return Name();
  return Name() + ", " + CategoryName(category);
}

std::string UndoRecord::Title() const {
  const int category = Category();
  if (category < 1 || category > kCategoryCount) return Name();
  return Name() + " (" + CategoryName(category) + ")";
}

}  // namespace kelvo
