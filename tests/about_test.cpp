#include <pwd.h>
#include <unistd.h>

#include <QDesktopServices>
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

// The label tops L(0)..L(5) after the load: 1990, 190, 550, 910, 1270, 1630 twips, each rounded to the
// nearest pixel (190 twips = 12.67 px -> 13), never truncated.
const QList<int> kTops{qRound(1990 / 15.0), qRound(190 / 15.0),  qRound(550 / 15.0),
                       qRound(910 / 15.0),  qRound(1270 / 15.0), qRound(1630 / 15.0)};
QList<int> labelTops(const frmAbout& box)
{
    QList<int> tops;
    for (const QLabel* label : box.L) {
        tops.append(label->y());
    }
    return tops;
}

class AboutTest : public QObject {
    Q_OBJECT

public slots:
    void receiveMail(const QUrl& url) { mailed.append(url); }

private slots:
    void loadFillsTheBoxInPlace()
    {
        FakeDesktop desktop;
        frmAbout box(desktop);
        QCOMPARE(box.windowTitle(), "About " + QString::fromUtf8(kTitle));
        const QStringList texts{
            "",
            QString::fromUtf8(kTitle),
            QString("Version: %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision),
            "Created by " + QString::fromUtf8(kCompany),
            QString::fromUtf8(kCopyright),
            kLicence + "player"};
        for (std::size_t i = 0; i < box.L.size(); ++i) {
            QCOMPARE(box.L[i]->text(), texts[int(i)]);
        }
        QCOMPARE(labelTops(box), kTops);
        QCOMPARE(box.size(), QSize(361, 137));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.geometry().center(), box.screen()->availableGeometry().center());
        QCOMPARE(box.Image1->size(), QSize(48, 47));
        QCOMPARE(box.Image1->pixmap().deviceIndependentSize(), QSizeF(48, 48));
        QCOMPARE(box.focusWidget(), box.cmdOK);

        // Each separator: a dark row with two light rows under it, left of the labels.
        const QImage frame = box.Frame1->grab().toImage();
        const QColor dark(box.palette().color(QPalette::Dark).rgb()),
            light(box.palette().color(QPalette::Light).rgb());
        for (int y : {32, 56, 80, 104}) {
            QCOMPARE(QList<QColor>({frame.pixel(4, y), frame.pixel(4, y + 1), frame.pixel(4, y + 2)}),
                     QList<QColor>({dark, light, light}));
        }
    }

    void closingDiscardsAndReopeningReadsTheUserAfresh()
    {
        FakeDesktop desktop;
        QWidget owner;
        for (const QString user : {"ann", "bob"}) {
            desktop.user = user;
            QPointer<frmAbout> box = new frmAbout(desktop, &owner);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
            QCOMPARE(box->L[5]->text(), kLicence + user);
            QCOMPARE(labelTops(*box), kTops);
            if (user == "ann") {
                QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            } else {
                QTest::keyClick(box, Qt::Key_Escape);  // Esc closes like OK
            }
            QTRY_VERIFY(box.isNull());
        }
        QVERIFY(desktop.opened.empty());
    }

    void mailWritesToTheAuthorAndTheBoxStays()
    {
        FakeDesktop fake;
        frmAbout box(fake);
        box.show();
        QTest::mouseClick(box.Command1, Qt::LeftButton);
        QTest::keyClick(box.cmdOK, Qt::Key_Return);  // Enter is Mail's even with the focus on OK
        QCOMPARE(fake.opened, (std::vector<QUrl>{QUrl(kMailto), QUrl(kMailto)}));
        QCOMPARE(fake.opened.front().toString(), kMailto);
        QVERIFY(box.isVisible());

        vovodi::SystemDesktop system;
        frmAbout real(system);
        real.show();
        QDesktopServices::setUrlHandler("mailto", this, "receiveMail");
        QTest::mouseClick(real.Command1, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(mailed, QList<QUrl>{QUrl(kMailto)});
        QVERIFY(real.isVisible());
    }

    void userNameIsShownAsGiven()
    {
        for (const QString user : {"", "<b>x</b>", "Zoë 李 🎲"}) {
            FakeDesktop desktop;
            desktop.user = user;
            frmAbout box(desktop);
            QCOMPARE(box.L[5]->text(), kLicence + user);
            for (QLabel* label : box.L) {
                QCOMPARE(label->textFormat(), Qt::PlainText);
            }
        }
    }

    void systemUserNameIsTheEffectiveUsers()
    {
        const passwd* entry = getpwuid(geteuid());
        QVERIFY(entry != nullptr);
        QCOMPARE(vovodi::SystemDesktop().userName(), QString::fromLocal8Bit(entry->pw_name));
    }

private:
    QList<QUrl> mailed;
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
