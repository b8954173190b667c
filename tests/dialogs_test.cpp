// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The real name prompt, as a player meets it: a name pasted into it whole,
// and OK and Cancel without icons even where the desktop's style gives every
// box button one.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QtTest>

#include "ui/platform/dialogs.hpp"

namespace {

class IconsOnBoxButtons final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void thePromptKeepsAPastedNameWholeAndShowsNoIcons()
    {
        QApplication::setStyle(new IconsOnBoxButtons);
        // 100 000 characters, emoji at every other one: a cut anywhere splits one or falls next to one.
        const QString name = QString::fromUtf8("\xF0\x9F\x98\x80") +
                             QString::fromUtf8("a\xF0\x9F\x98\x80").repeated(49999) + u'z';
        int iconed = 0;
        QObject timers;
        QTimer::singleShot(0, &timers, [&] {
            auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(prompt);
            for (QAbstractButton* button : prompt->findChild<QDialogButtonBox*>()->buttons()) {
                const QImage shown = button->grab().toImage();  // as it is, then as it is with no icon
                button->setIcon(QIcon());
                iconed += button->grab().toImage() != shown;
            }
            QApplication::clipboard()->setText(name);
            QTest::keyClick(prompt->findChild<QLineEdit*>(), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(prompt->findChild<QLineEdit*>(), Qt::Key_Return);
        });
        const QString answer =
            vovodi::QtDialogs().askName(nullptr, QStringLiteral("Your name?")).value_or(u"none"_qs);
        QCOMPARE(iconed, 0);
        QCOMPARE(answer.size(), name.size());
        QVERIFY(answer == name);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
