// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vovodi {

// Where the top-left corner of a window's frame of size `frame` goes on the
// screen area `available`: centred, and so wholly inside, in each direction
// where it fits; against the area's left or top edge where it does not, so
// that the title bar and the menu bar stay on the screen.
QPoint placedFrame(QSize frame, QRect available);

// Places the top-level `window` on its screen's available area as above.
// The window manager's frame is not known until the window is first shown,
// so the window is placed again, once, when its frame becomes known.
void placeOnScreen(QWidget* window);

}  // namespace vovodi
