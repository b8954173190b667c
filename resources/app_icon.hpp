// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>

#include <QIcon>

namespace vovodi {

// The program icon with its rendered sizes up to `largest` pixels, all of them
// by default. Each size is decoded as it is added.
QIcon appIcon(int largest = std::numeric_limits<int>::max());

}  // namespace vovodi
