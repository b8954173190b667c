// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vovodi {

// Keeps `widget`, of one of this program's own classes (Qt's own keep their
// own accessible interfaces), out of what a screen reader announces: a
// decoration, or a text that says nothing by itself. Call before the widget
// is first shown.
void hideFromScreenReaders(QWidget* widget);

}  // namespace vovodi
