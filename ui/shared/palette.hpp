// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QWidget;

namespace vovodi {

// Gives `widget` a fixed `background` and `text` colour in every colour group
// (Disabled too), for every role a style reads for them (Window, Button and
// Base; WindowText, ButtonText and Text), and has it fill its background, so
// the desktop's palette can no longer put light text on it.
void setFixedColours(QWidget* widget, const QColor& background, const QColor& text);

// The contrast ratio of two colours, 1 to 21, as the accessibility
// guidelines reckon it from their relative luminance; text wants 4.5.
double contrastRatio(const QColor& a, const QColor& b);

}  // namespace vovodi
