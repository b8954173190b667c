// Input no one plans for: player names of any length and content, and every
// character of the Basic Multilingual Plane typed on New Game.

#include <QtTest>

#include "window.hpp"

using namespace vovodi;
using vovodi::testing::boardText;

class BadInputTest : public QObject {
    Q_OBJECT

    testing::Window win;  // one window for every case; each looks at what it changes
    Form1& w = win.w;

private slots:
    void initTestCase()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    void namesAreShownExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("one character") << QStringLiteral("A");
        QTest::newRow("100 000 characters")
            << QStringLiteral("W\u00e9<&>\u05d0 ").repeated(14286).left(100000);
        QTest::newRow("bold markup") << QStringLiteral("<b>x</b>");
        QTest::newRow("image markup") << QStringLiteral("<img src=x>");
        QTest::newRow("access letter") << QStringLiteral("&Ann");
        QTest::newRow("control characters") << QStringLiteral("\t\n\r\x01");
        QTest::newRow("Arabic") << QStringLiteral("\u0633\u0644\u0627\u0645");
        QTest::newRow("Hebrew among Latin") << QStringLiteral("Ann \u05e9\u05dc\u05d5\u05dd 12");
        QTest::newRow("emoji") << QStringLiteral("\U0001F3B2\U0001F600");
        QTest::newRow("embedded NUL") << (QStringLiteral("Ann") + QChar(0) + QStringLiteral("Bo"));
    }

    // Shown literally and as plain text over a game under way at Hard, with scores, which stays
    // as it was, and the window's size and the name's place with it.
    void namesAreShownExactlyAsTyped()
    {
        QFETCH(QString, name);
        w.difm[3]->trigger();
        QTest::mouseClick(w.BO[0], Qt::LeftButton);
        w.Label3->setText(QStringLiteral("12"));
        w.Label4->setText(QStringLiteral("7"));
        const auto rest = [&] {  // the game, the window's size and the name's place
            return QVariantList{boardText(w) + w.Label2->text() + w.Label3->text() + w.Label4->text(),
                                w.Level, w.size(), w.Label1->geometry(), w.Command2->isEnabled()};
        };
        const auto before = rest();
        win.dialogs.nextName = name;
        QTest::mouseClick(w.Label1, Qt::LeftButton);
        QCoreApplication::processEvents();  // the layout settles
        QVERIFY(!w.grab().isNull());        // and it paints
        QVERIFY2(w.Label1->text() == name, qPrintable(w.Label1->text().left(40)));
        QCOMPARE(w.Label1->textFormat(), Qt::PlainText);
        QCOMPARE(rest(), before);
    }

    // Each character typed on New Game over an empty board; the board is emptied again after a move.
    void onlyTheDigitsOneToNinePlayFromNewGame()
    {
        w.Command1->click();
        QCOMPARE(QApplication::focusWidget(), w.Command1);
        QString played;
        for (int c = 0; c <= 0xFFFF; ++c) {
            const QChar ch(static_cast<char16_t>(c));
            // Printable ASCII comes with its Qt key code; the rest as an input method sends it.
            QKeyEvent press(QEvent::KeyPress,
                            c > 0x20 && c < 0x7f ? ch.toUpper().unicode() : int(Qt::Key_unknown),
                            Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(w.Command1, &press);
            if (const QString now = boardText(w); now != QStringLiteral(".........")) {
                played += ch;
                // The numeric keypad's layout: 7 8 9 the top row.
                QVERIFY2(now.indexOf(u'X') == QStringLiteral("789456123").indexOf(ch),
                         qPrintable(played + now));
                w.Command1->click();
            }
        }
        QCOMPARE(played, QStringLiteral("123456789"));
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
