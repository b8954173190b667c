// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice from Qt 6.8 on: announcements, whose events carry their text.

#include <QAccessible>
#include <QPointer>
#include <QWidget>

#include "ui/main/reader_voice.hpp"

namespace vovodi {
namespace {

class AnnouncementVoice final : public ReaderVoice {
public:
    explicit AnnouncementVoice(QWidget* parent) : source_(parent) {}

    void say(const QString& text) override
    {
        if (text.isEmpty() || source_ == nullptr) {
            return;
        }
        // From the control with the focus, where there is one: a reader (Orca 48) drops a second
        // announcement of an application within a tenth of a second, but not one from the focus.
        // Assertive: what the last command did, heard before anything older still queued.
        QWidget* focus = source_->window()->focusWidget();
        QAccessibleAnnouncementEvent event(focus != nullptr ? focus : source_.data(), text);
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
        QAccessible::updateAccessibility(&event);
    }

    void describedAnew(QObject* object) override
    {
        // An AT-SPI reader (Orca 48) speaks a change of the focused control's description
        // at once, which would repeat the board after each move; told that the focus is
        // still where it is, it reads the control afresh the next time it is asked, and
        // says nothing. UI Automation readers ask for a description each time, and would
        // read the focused control again on a focus event: they are told of the change.
#ifdef Q_OS_WIN
        const bool focusAgain = false;
#else
        const auto* widget = qobject_cast<QWidget*>(object);
        const bool focusAgain = widget != nullptr && widget->hasFocus();
#endif
        QAccessibleEvent event(object, focusAgain ? QAccessible::Focus : QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }

private:
    QPointer<QWidget> source_;
};

}  // namespace

std::unique_ptr<ReaderVoice> ReaderVoice::create(QWidget* parent)
{
    return std::make_unique<AnnouncementVoice>(parent);
}

}  // namespace vovodi
