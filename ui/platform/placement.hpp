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

// Places the top-level `window` on its screen's available area (the work
// area: the screen less the panels) as above. Under X11 the window manager is
// asked for the frame it will put around the window before the window is
// shown; wherever the frame is learnt only later, or changes, the window is
// placed again in the first seconds after it is shown.
void placeOnScreen(QWidget* window);

}  // namespace vovodi
