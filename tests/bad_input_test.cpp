// Input no one plans for: player names of any length and content, and every
// character of the Basic Multilingual Plane typed on New Game.

#include <memory>

#include <QElapsedTimer>
#include <QtTest>

#include "fakes.hpp"
#include "ui/main/form1.hpp"

using namespace vovodi;
using vovodi::testing::FakeDesktop;
using vovodi::testing::FakeDialogs;

class BadInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<Form1> w;

private slots:
    void init()
    {
        dialogs = std::make_unique<FakeDialogs>();
        desktop = std::make_unique<FakeDesktop>();
        w = std::make_unique<Form1>(*dialogs, *desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void namesAreShownExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QString huge;
        while (huge.size() < 100000) {
            huge += QStringLiteral("W\u00e9<&>\u05d0 ");
        }
        huge.truncate(100000);
        QTest::newRow("empty") << QString();
        QTest::newRow("one character") << QStringLiteral("A");
        QTest::newRow("100 000 characters") << huge;
        QTest::newRow("bold markup") << QStringLiteral("<b>x</b>");
        QTest::newRow("image markup") << QStringLiteral("<img src=x>");
        QTest::newRow("access letter") << QStringLiteral("&Ann");
        QTest::newRow("control characters") << QStringLiteral("\t\n\r\x01");
        QTest::newRow("Arabic") << QStringLiteral("\u0633\u0644\u0627\u0645");
        QTest::newRow("Hebrew among Latin") << QStringLiteral("Ann \u05e9\u05dc\u05d5\u05dd 12");
        QTest::newRow("emoji") << QStringLiteral("\U0001F3B2\U0001F600");
        QTest::newRow("embedded NUL") << (QStringLiteral("Ann") + QChar(0) + QStringLiteral("Bo"));
    }

    void namesAreShownExactlyAsTyped()
    {
        QFETCH(QString, name);
        // A game under way at Hard, with scores on the board.
        w->difm[3]->trigger();
        QTest::mouseClick(w->BO[0], Qt::LeftButton);
        w->Label3->setText(QStringLiteral("12"));
        w->Label4->setText(QStringLiteral("7"));
        const Board board = w->board();
        const QSize size = w->size();
        const QRect place = w->Label1->geometry();

        dialogs->nextName = name;
        QTest::mouseClick(w->Label1, Qt::LeftButton);
        QVERIFY2(w->Label1->text() == name, qPrintable(w->Label1->text().left(40)));
        QCOMPARE(w->Label1->textFormat(), Qt::PlainText);
        QCoreApplication::processEvents();  // the layout settles
        QVERIFY(!w->grab().isNull());       // and it paints
        QCOMPARE(w->size(), size);
        QCOMPARE(w->Label1->geometry(), place);
        QVERIFY(w->board() == board);
        QCOMPARE(w->Label3->text() + w->Label4->text() + w->Label2->text(), QStringLiteral("127Hard"));
        QCOMPARE(w->Level, 3);
        QVERIFY(dialogs->outcomes.empty());
    }

    void onlyTheDigitsOneToNinePlayFromNewGame()
    {
        const auto start = [&] {
            w->Command1->click();
            QTest::mouseClick(w->BO[4], Qt::LeftButton);
            return w->board();
        };
        const Board opening = start();
        QCOMPARE(w->Command1, QApplication::focusWidget());
        // The cell each digit plays: the numeric keypad, 7 8 9 the top row.
        constexpr std::array<std::size_t, 9> cellOfDigit{6, 7, 8, 3, 4, 5, 0, 1, 2};
        int played = 0;
        QElapsedTimer timer;
        timer.start();
        for (int c = 0; c <= 0xFFFF; ++c) {
            const QChar ch(static_cast<char16_t>(c));
            // Printable ASCII comes with its Qt key code; the rest as an input method sends it.
            const int code = c > 0x20 && c < 0x7f ? ch.toUpper().unicode() : int(Qt::Key_unknown);
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(w->Command1, &press);
            const Board now = w->board();
            if (c >= '1' && c <= '9') {
                const std::size_t cell = cellOfDigit[static_cast<std::size_t>(c - '1')];
                QCOMPARE(now[cell], opening[cell] == Mark::None ? Mark::X : opening[cell]);
                played += now != opening;
                QVERIFY(start() == opening);
            } else if (now != opening) {
                QFAIL(qPrintable(QStringLiteral("U+%1 changed the board").arg(c, 4, 16, QLatin1Char('0'))));
            }
        }
        QCOMPARE(played, 7);  // two cells were taken already
        QVERIFY(dialogs->outcomes.empty());
        qInfo("65536 characters typed in %lld ms", timer.elapsed());
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
