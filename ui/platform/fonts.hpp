// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFont;

namespace vovodi {

// Makes the faces the windows ask for (Tahoma for the marks, MS Sans Serif
// for the controls) available where the system lacks them but has Wine's
// free versions of them in `folder`. Only the first call loads anything, so
// a program that must do without those faces (a test of the fallbacks) calls
// it first with an empty folder.
void ensureFonts(const QString& folder = QStringLiteral("/usr/share/wine/fonts"));

// Called before the application starts. On Windows, unless the user has
// chosen otherwise, the look the windows were measured in: GDI's fonts (from
// Qt 6.8 on, Qt reads them through DirectWrite, which knows no bitmap faces,
// and the controls' MS Sans Serif is one) and the windowsvista style (Qt 6.8
// chooses its windows11 style on Windows 11, whose taller menu bar moves the
// board and lengthens the window).
void chooseWindowsLook();

// The font of the windows' controls: MS Sans Serif, 8.25 pt. That face is a
// bitmap drawn at one size only, so where the screen is not at 96 dpi and a
// scale of 1 it gives way to Tahoma, the scalable face of the same metrics;
// where neither is installed, to the system's sans-serif face, made small
// enough that the captions take no more room than in Tahoma.
QFont formFont();

}  // namespace vovodi
