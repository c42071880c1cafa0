// Widgets carry the object names tests and settings find them by; this names one as it is made.
#pragma once

#include <QString>

namespace kelvo {

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace kelvo
