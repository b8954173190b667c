// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice before Qt 6.8: a notice a reader announces as it is shown.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include "ui/main/reader_voice.hpp"

namespace vovodi {
namespace {

// Of no size and never focused; shown only to be announced.
class Notice final : public QWidget {
public:
    explicit Notice(QWidget* parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }

    QString said;
};

// The notice reads as a notification named by what it says.
class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Notice*>(widget())->said : QString();
    }
};

QAccessibleInterface* noticeFactory(const QString&, QObject* object)
{
    auto* notice = dynamic_cast<Notice*>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}

class NoticeVoice final : public ReaderVoice {
public:
    explicit NoticeVoice(QWidget* parent)
    {
        static const bool installed = (QAccessible::installFactory(noticeFactory), true);
        Q_UNUSED(installed);
        notice_ = new Notice(parent);
    }

    void say(const QString& text) override
    {
        notice_->hide();
        notice_->said = text;
        if (!text.isEmpty()) {
            notice_->show();
        }
    }

    // Read afresh whenever a reader asks: nothing to send.
    void describedAnew(QObject*) override {}

private:
    QPointer<Notice> notice_;
};

}  // namespace

std::unique_ptr<ReaderVoice> ReaderVoice::create(QWidget* parent)
{
    return std::make_unique<NoticeVoice>(parent);
}

}  // namespace vovodi
