# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# The application's information, kept once. The CMake project version, the
# generated C++ header, the Windows version record, the desktop entry and the
# AppStream metainfo are all made from these values.
set(VOVODI_TITLE "Vovodi")
# The game window's title, before the version.
set(VOVODI_WINDOW_CAPTION "Zuzozu Ruvar")
set(VOVODI_VERSION_MAJOR 2)
set(VOVODI_VERSION_MINOR 4)
set(VOVODI_VERSION_BUILD 0)
set(VOVODI_VERSION_REVISION 9)
set(VOVODI_COMPANY "Quiet Grid Games")
set(VOVODI_COPYRIGHT "Copyright (C) 2026 Quiet Grid Games")
set(VOVODI_MAIL "author@vovodi.example")
set(VOVODI_APP_ID "org.example.vovodi")
# Who makes it, as software centres know them: the application id without its last part.
string(REGEX REPLACE "\\.[^.]*$" "" VOVODI_DEVELOPER_ID "${VOVODI_APP_ID}")
set(VOVODI_SUMMARY "Noughts and crosses against the computer")

set(VOVODI_VERSION
    "${VOVODI_VERSION_MAJOR}.${VOVODI_VERSION_MINOR}.${VOVODI_VERSION_BUILD}.${VOVODI_VERSION_REVISION}")
# What the window title and the About dialog show: major.minor.revision.
set(VOVODI_DISPLAY_VERSION
    "${VOVODI_VERSION_MAJOR}.${VOVODI_VERSION_MINOR}.${VOVODI_VERSION_REVISION}")
