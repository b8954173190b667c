// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QObject;
class QString;
class QWidget;

namespace vovodi {

// How the game's own words reach a screen reader, beyond what its controls
// say. One of two ways is built, as Qt's version allows:
//   - from Qt 6.8 (reader_voice_announcement.cpp), an announcement: spoken at
//     once and carrying its text (AT-SPI's announcement signal, UI Automation's
//     notification);
//   - before it (reader_voice_notice.cpp), a notice of no size with the
//     notification role, hidden and shown again, whose name Orca 43 reads as it
//     is shown. Qt 6.4's AT-SPI bridge sends a change of a name or description
//     without its text, and Orca 43 fails on it, so no such change is sent:
//     readers ask for the texts afresh.
class ReaderVoice {
public:
    virtual ~ReaderVoice() = default;
    // Says `text` in one utterance; an empty text says nothing more.
    virtual void say(const QString& text) = 0;
    // Tells readers that the description of `object`, which has the focus or
    // may have it, reads differently now.
    virtual void describedAnew(QObject* object) = 0;

    // The voice of this build, for the texts of `parent`'s window.
    static std::unique_ptr<ReaderVoice> create(QWidget* parent);
};

}  // namespace vovodi
