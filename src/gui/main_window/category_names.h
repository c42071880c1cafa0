// The display names of the fourteen categories, as the category buttons show them.
#pragma once

#include <QStringList>

namespace kelvo {

QStringList CategoryDisplayNames();

}  // namespace kelvo
