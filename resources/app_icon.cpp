// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/app_icon.hpp"

#include <QString>

namespace vovodi {

QIcon appIcon(int largest)
{
    // Each rendered size, so that each place the icon is shown at one of them
    // (title bar, task bar, Alt+Tab, About, HiDPI screens) gets a sharp one
    // instead of a scaled one.
    static constexpr int sizes[] = {VOVODI_ICON_SIZES};
    QIcon icon;
    for (const int size : sizes) {
        if (size <= largest) {
            icon.addFile(QStringLiteral(":/icons/vovodi-%1.png").arg(size), QSize(size, size));
        }
    }
    return icon;
}

}  // namespace vovodi
