// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace vovodi::colours {

inline const QColor kMarkRed{255, 0, 0};        // the player's X
inline const QColor kMarkBlue{0, 0, 255};       // the computer's O and free cells
inline const QColor kPressGreen{0, 255, 0};     // a cell or button while a mouse button is held on it
inline const QColor kWhite{255, 255, 255};      // cell background
inline const QColor kLightBlue{136, 202, 255};  // button background
inline const QColor kWindowBlue{96, 171, 255};  // window and option-button background
inline const QColor kScoreGreen{23, 234, 0};    // scoreboard background
inline const QColor kScoreNavy{10, 0, 125};     // scoreboard text
inline const QColor kBlack{0, 0, 0};            // board and scoreboard lines

}  // namespace vovodi::colours
