#pragma once

#include <QIcon>

namespace vovodi {

// The program icon with all its rendered sizes, used by both windows.
QIcon appIcon();

}  // namespace vovodi
