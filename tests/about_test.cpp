// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box: its rows in place, its keys and buttons, and the user's name
// shown readably whatever the system says it is.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "app/app_info.hpp"
#include "fakes.hpp"
#include "ui/about/about_dialog.hpp"

using vovodi::AboutDialog;
using vovodi::testing::FakeDesktop;
using vovodi::testing::part;
using namespace vovodi::app;

const QString kLicence = "This product is licensed to: ";
const QStringList kRows{"titleRow", "versionRow", "companyRow", "copyrightRow", "licenseeRow"};

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void loadFillsTheBoxInPlace()
    {
        FakeDesktop desktop;
        AboutDialog box(desktop);
        QString rows;  // each row's text and top: 190, 550, 910, 1270, 1630 twips to the nearest pixel
        for (const QString& name : kRows) {
            const auto* row = part<QLabel>(box, name);
            rows += row->text() + u'@' + QString::number(row->y()) + u'|';
        }
        QCOMPARE(rows, QString::fromUtf8(kTitle) + "@13|Version: " + QString::fromUtf8(kDisplayVersion) +
                           "@37|Created by " + QString::fromUtf8(kCompany) + "@61|" +
                           QString::fromUtf8(kCopyright) + "@85|" + kLicence + "player@109|");
        QVERIFY(box.windowTitle() == "About " + QString::fromUtf8(kTitle) && box.size() == QSize(361, 137));
        // Every row is drawn in italics: making its font italic changes none of its pixels.
        for (const QString& name : kRows) {
            auto* row = part<QLabel>(box, name);
            const QImage drawn = row->grab().toImage();
            QFont italic = row->font();
            italic.setItalic(true);
            row->setFont(italic);
            QVERIFY2(row->grab().toImage() == drawn, qPrintable(name));
        }
    }

    // Return presses the button with the focus (OK as the box opens), and Mail when none has it;
    // Esc closes like OK. Mail writes to the author and leaves the box open; the next box reads
    // the user afresh.
    void keysAndButtonsDoWhatTheySay()
    {
        FakeDesktop desktop;
        QWidget owner;
        for (const QString user : {"ann", "bob"}) {
            desktop.user = user;
            QPointer<AboutDialog> box = new AboutDialog(desktop, &owner);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
            QVERIFY(QTest::qWaitForWindowActive(box));
            QCOMPARE(part<QLabel>(*box, "licenseeRow")->text(), kLicence + user);
            QCOMPARE(QApplication::focusWidget(), part(*box, "okButton"));
            if (user == "bob") {
                QTest::mouseClick(part(*box, "mailButton"), Qt::LeftButton);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // on Mail, now focused
                QApplication::focusWidget()->clearFocus();
                QTest::keyClick(box, Qt::Key_Enter);
                QVERIFY(box->isVisible());
            }
            QTest::keyClick(QApplication::focusWidget(), user == "bob" ? Qt::Key_Escape : Qt::Key_Return);
            QTRY_VERIFY(box.isNull());
        }
        QCOMPARE(desktop.opened, std::vector<QUrl>(3, QUrl("mailto:" + QString::fromUtf8(kMailAddress))));
    }

    // Plain text without control characters, the user's number when there is no name, and a name
    // too long for the row cut short there with "…", but read whole by a screen reader.
    void userNameIsShownReadably()
    {
        FakeDesktop desktop;
        const QString id = "user ID " + desktop.userId();
        const QString longName = QString("Wolfeschlegelsteinhausenbergerdorff ").repeated(8);
        for (const auto& [given, whole] :
             QList<std::pair<QString, QString>>{{"", id},
                                                {"<b>x</b>", "<b>x</b>"},
                                                {"a\tb\nc\r\x1b\x7f\u0085\u2028d", "abcd"},
                                                {longName, longName}}) {
            desktop.user = given;
            AboutDialog box(desktop);
            const auto* row = part<QLabel>(box, "licenseeRow");
            QCOMPARE(row->textFormat(), Qt::PlainText);
            QCOMPARE(row->accessibleName(), kLicence + whole);
            QVERIFY(row->fontMetrics().horizontalAdvance(row->text()) <= row->width());
            QCOMPARE(row->text(),
                     given == longName ? row->text().section(u'…', 0, 0) + u'…' : kLicence + whole);
            QVERIFY(row->text().startsWith(kLicence + whole.left(5)));
        }
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
