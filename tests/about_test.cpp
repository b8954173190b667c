#include <pwd.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QFrame>
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

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kMailto = QStringLiteral("mailto:") + fromView(vovodi::app::kMailAddress);
const QString kLicence = QStringLiteral("This product is licensed to: ");

// Label tops after the load, L(0) to L(5), in twips; shown rounded to the nearest pixel.
constexpr std::array<int, 6> kTopsAfterLoad{1990, 190, 550, 910, 1270, 1630};

std::array<int, 6> labelTops(const frmAbout& box)
{
    std::array<int, 6> tops{};
    for (std::size_t i = 0; i < tops.size(); ++i) {
        tops[i] = box.L[i]->geometry().y();
    }
    return tops;
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

public slots:
    void receiveMail(const QUrl& url) { mailed.append(url); }

private slots:
    void loadFillsTheBoxInPlace()
    {
        using namespace vovodi::app;
        FakeDesktop desktop;
        frmAbout box(desktop);
        QCOMPARE(box.windowTitle(), "About " + fromView(kTitle));
        const QStringList texts{
            "",
            fromView(kTitle),
            QString("Version: %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision),
            "Created by " + fromView(kCompany),
            fromView(kCopyright),
            kLicence + "player"};
        for (std::size_t i = 0; i < box.L.size(); ++i) {
            QCOMPARE(box.L[i]->text(), texts[int(i)]);
            QCOMPARE(box.L[i]->geometry().y(), qRound(kTopsAfterLoad[i] / 15.0));
        }
        QCOMPARE(labelTops(box),
                 (std::array<int, 6>{133, 13, 37, 61, 85, 109}));  // not truncated to 12, 36, ...
        QCOMPARE(box.size(), QSize(361, 137));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.geometry().center(), box.screen()->availableGeometry().center());
        QCOMPARE(box.Image1->size(), QSize(48, 47));
        QCOMPARE(box.Image1->pixmap().deviceIndependentSize(), QSizeF(48, 48));
        QCOMPARE(box.Image1->accessibleName(), fromView(kTitle) + " icon");
        QCOMPARE(box.focusWidget(), box.cmdOK);

        // Each separator: a dark row with two light rows under it, left of the labels.
        const QImage frame = box.Frame1->grab().toImage();
        const QColor dark(box.palette().color(QPalette::Dark).rgb()),
            light(box.palette().color(QPalette::Light).rgb());
        QVERIFY(dark != light);
        for (int y : {32, 56, 80, 104}) {
            QCOMPARE(QColor(frame.pixel(4, y)), dark);
            QCOMPARE(QColor(frame.pixel(4, y + 1)), light);
            QCOMPARE(QColor(frame.pixel(4, y + 2)), light);
        }
    }

    void closingDiscardsAndReopeningReadsTheUserAfresh()
    {
        FakeDesktop desktop;
        QWidget owner;
        std::array<int, 6> firstTops{};
        for (const QString& user : {QStringLiteral("ann"), QStringLiteral("bob")}) {
            desktop.user = user;
            QPointer<frmAbout> box = new frmAbout(desktop, &owner);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->show();
            QCOMPARE(box->L[5]->text(), kLicence + user);
            if (user == "ann") {
                firstTops = labelTops(*box);
                QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            } else {
                QCOMPARE(labelTops(*box), firstTops);
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

    void userNameIsShownAsGiven_data()
    {
        QTest::addColumn<QString>("user");
        QTest::newRow("empty") << QString();
        QTest::newRow("markup") << QStringLiteral("<b>x</b>");
        QTest::newRow("unicode") << QStringLiteral("Zoë 李 🎲");
    }

    void userNameIsShownAsGiven()
    {
        QFETCH(QString, user);
        FakeDesktop desktop;
        desktop.user = user;
        frmAbout box(desktop);
        QCOMPARE(box.L[5]->text(), kLicence + user);
        for (QLabel* label : box.L) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
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
