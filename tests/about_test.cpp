#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "app/app_info.hpp"
#include "fakes.hpp"
#include "ui/about/frm_about.hpp"

using vovodi::frmAbout;
using vovodi::testing::FakeDesktop;
using namespace vovodi::app;

const QString kMailto = "mailto:" + QString::fromUtf8(kMailAddress);
const QString kLicence = "This product is licensed to: ";

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void loadFillsTheBoxInPlace()
    {
        FakeDesktop desktop;
        frmAbout box(desktop);
        QCOMPARE(box.windowTitle(), "About " + QString::fromUtf8(kTitle));
        const QStringList texts{"",
                                QString::fromUtf8(kTitle),
                                "Version: " + QString::fromUtf8(kDisplayVersion),
                                "Created by " + QString::fromUtf8(kCompany),
                                QString::fromUtf8(kCopyright),
                                kLicence + "player"};
        // Tops 1990, 190, 550, 910, 1270, 1630 twips, each rounded to the nearest pixel (12.67 -> 13).
        const std::array tops{133, 13, 37, 61, 85, 109};
        for (std::size_t i = 0; i < box.L.size(); ++i) {
            QCOMPARE(box.L[i]->text(), texts[int(i)]);
            QCOMPARE(box.L[i]->y(), tops[i]);
        }
        QCOMPARE(box.size(), QSize(361, 137));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.geometry().center(), box.screen()->availableGeometry().center());
        QCOMPARE(box.Image1->size(), QSize(48, 47));
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
            QPointer<frmAbout> box = new frmAbout(desktop, &owner);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
            QVERIFY(QTest::qWaitForWindowActive(box));
            QCOMPARE(box->L[5]->text(), kLicence + user);
            QCOMPARE(QApplication::focusWidget(), box->cmdOK);
            if (user == "bob") {
                QTest::mouseClick(box->Command1, Qt::LeftButton);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // on Mail, now focused
                QApplication::focusWidget()->clearFocus();
                QTest::keyClick(box, Qt::Key_Enter);
                QCOMPARE(desktop.opened, std::vector<QUrl>(3, QUrl(kMailto)));
                QVERIFY(box->isVisible());
            }
            QTest::keyClick(QApplication::focusWidget(), user == "bob" ? Qt::Key_Escape : Qt::Key_Return);
            QTRY_VERIFY(box.isNull());
        }
        QCOMPARE(desktop.opened.size(), 3u);
    }

    // Plain text without control characters, the user's number when there is no name, and a name
    // too long for the row cut short there with "…", but read whole by a screen reader.
    void userNameIsShownReadably()
    {
        FakeDesktop desktop;
        const QString id = desktop.userId().isEmpty() ? QString() : "user ID " + desktop.userId();
        const QString longName = QString("Wolfeschlegelsteinhausenbergerdorff ").repeated(8);
        for (const auto& [given, whole] :
             QList<std::pair<QString, QString>>{{"", id},
                                                {"<b>x</b>", "<b>x</b>"},
                                                {"a\tb\nc\r\x1b\x7f\u0085\u2028d", "abcd"},
                                                {longName, longName}}) {
            desktop.user = given;
            frmAbout box(desktop);
            const QLabel* row = box.L[5];
            QCOMPARE(row->textFormat(), Qt::PlainText);
            QCOMPARE(row->accessibleName(), kLicence + whole);
            QVERIFY(row->fontMetrics().horizontalAdvance(row->text()) <= row->width());
            QCOMPARE(row->text(),
                     given == longName ? row->text().section(u'…', 0, 0) + u'…' : kLicence + whole);
            QVERIFY(row->text().startsWith(kLicence + whole.left(5)));
        }
    }

#ifndef _WIN32
    void systemUserIsTheEffectiveOne()
    {
        const passwd* entry = getpwuid(geteuid());
        QVERIFY(entry != nullptr);
        QCOMPARE(vovodi::SystemDesktop().userName(), QString::fromLocal8Bit(entry->pw_name));
        QCOMPARE(vovodi::SystemDesktop().userId(), QString::number(geteuid()));
    }
#endif
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
