// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace vovodi {

// The program icon with all its rendered sizes, used by both windows.
QIcon appIcon();

}  // namespace vovodi
