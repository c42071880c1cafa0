#include "gui/main_window/category_names.h"

#include "gui/text_codec.h"
#include "library/categories.h"

namespace kelvo {

QStringList CategoryDisplayNames() {
  QStringList names;
  for (int i = 1; i <= kCategoryCount; ++i) names << FromAnsi(CategoryName(i));
  return names;
}

}  // namespace kelvo
