// The game window as a view: every control, menu item and key reaches its
// command and the window shows the game's state; press colours; the box over
// the final position; names as plain text. The rules themselves are proved on
// the model in game_test.

#include <functional>
#include <memory>

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "ui/about/frm_about.hpp"
#include "window.hpp"

using namespace vovodi;
using namespace vovodi::testing;

Q_DECLARE_METATYPE(std::function<void(vovodi::Form1&)>)
Q_DECLARE_METATYPE(std::optional<QString>)

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> win;
    Form1* w = nullptr;

    void click(int cell) { QTest::mouseClick(w->BO[cell], Qt::LeftButton); }
    QString board() const { return boardText(*w); }
    // Everything the window shows of the game, besides the board.
    QString shown() const
    {
        QString options, items;
        for (std::size_t i = 0; i < 4; ++i) {
            options += w->Level1[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
            items += w->difm[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        }
        return QStringList{w->Label1->text(),
                           w->Label3->text(),
                           w->Label4->text(),
                           w->Label2->text(),
                           options,
                           items,
                           w->Command2->isEnabled() ? "open" : "no",
                           w->sbcm->isEnabled() ? "open" : "no"}
            .join(u' ');
    }

private slots:
    void init()
    {
        win = std::make_unique<Window>();
        w = &win->w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void startsAsDesigned()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QCOMPARE(board() + u' ' + shown(), QStringLiteral("......... You 0 0 No Win 0001 0001 open open"));

        // At 96 dpi: a fixed 377 x 417 client area, cells of 121 px on a 120 px pitch.
        QCOMPARE(w->centralWidget()->size(), QSize(377, 417));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
        QCOMPARE(w->Level1[3]->geometry(), QRect(312, 24, 57, 17));
        // The seam between BO(0) and BO(1) belongs to BO(1); the lines over it never take the mouse.
        QCOMPARE(w->centralWidget()->childAt(128, 100), w->BO[1]);
        QCOMPARE(w->centralWidget()->childAt(127, 100), w->BO[0]);
        QCOMPARE(w->centralWidget()->childAt(200, 48), w->BO[1]);
    }

    // Each way in, from a game under way with scores and a name: what the window shows after it.
    void everyControlReachesItsCommand_data()
    {
        QTest::addColumn<std::function<void(Form1&)>>("act");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, std::function<void(Form1&)> act, const char* after) {
            QTest::newRow(name) << act << QString::fromLatin1(after);
        };
        const auto key = [](Qt::Key k) { return [k](Form1& f) { QTest::keyClick(f.Command1, k); }; };
        const auto press = [](auto pick) {
            return [pick](Form1& f) { QTest::mouseClick(pick(f), Qt::LeftButton); };
        };
        const char* played = "O.X.X.O.. Ann 1 1 Hard 0010 0010 no no";
        const char* cleared = "......... Ann 1 1 Hard 0010 0010 open open";
        const char* restarted = "......... You 0 0 Hard 0010 0010 open open";
        row("cell", press([](Form1& f) { return f.BO[2]; }), played);
        row("digit 9", key(Qt::Key_9), played);
        row("digit 0", key(Qt::Key_0), "O...X.... Ann 1 1 Hard 0010 0010 no no");
        row("New Game", press([](Form1& f) { return f.Command1; }), cleared);
        row(
            "New Game item", [](Form1& f) { f.New1m->trigger(); }, cleared);
        row("Space on New Game", key(Qt::Key_Space), cleared);
        row("Restart All", press([](Form1& f) { return f.Command3; }), restarted);
        row(
            "Restart All item", [](Form1& f) { f.New2m->trigger(); }, restarted);
        row("Help", press([](Form1& f) { return f.Command4; }), played);
        row(
            "Help item", [](Form1& f) { f.hbcm->trigger(); }, played);
        const char* opened = "....O.... Ann 1 1 Hard 0010 0010 no no";
        row(
            "Computer",
            [](Form1& f) {
                f.Command1->click();
                QTest::mouseClick(f.Command2, Qt::LeftButton);
            },
            opened);
        row(
            "Start by Computer item",
            [](Form1& f) {
                f.Command1->click();
                f.sbcm->trigger();
            },
            opened);
        row("Computer is unavailable", press([](Form1& f) { return f.Command2; }),
            "O...X.... Ann 1 1 Hard 0010 0010 no no");
        row("Easy option", press([](Form1& f) { return f.Level1[0]; }),
            "......... You 0 0 Easy 1000 1000 open open");
        row(
            "No Win item", [](Form1& f) { f.difm[3]->trigger(); },
            "......... You 0 0 No Win 0001 0001 open open");
        row(
            "Hard item again", [](Form1& f) { f.difm[2]->trigger(); },
            "O...X.... Ann 1 1 Hard 0010 0010 no no");
        row("name", press([](Form1& f) { return f.Label1; }), "O...X.... <b>Bo</b> 1 1 Hard 0010 0010 no no");
    }

    void everyControlReachesItsCommand()
    {
        QFETCH(std::function<void(Form1&)>, act);
        QFETCH(QString, after);
        // At Hard: a game won by each side, the name Ann, and X in the centre answered in the corner.
        w->Level1[2]->click();
        for (int cell : {0, 8, 6, 3, 1, 2}) {
            click(cell);
        }
        win->dialogs.nextName = QStringLiteral("Ann");
        w->Label1_Click();
        click(4);
        QCOMPARE(board() + u' ' + shown(), QStringLiteral("O...X.... Ann 1 1 Hard 0010 0010 no no"));
        win->dialogs.nextName = QStringLiteral("<b>Bo</b>");
        act(*w);
        QCOMPARE(board() + u' ' + shown(), after);
    }

    void theBoxShowsTheFinalPositionAndTheScoreFollows()
    {
        w->Level1[2]->click();  // Hard
        QString seen;
        win->dialogs.onOutcome = [&](const QString& text) { seen = text + u' ' + board() + u' ' + shown(); };
        for (int cell : {0, 8, 6, 3}) {
            click(cell);
        }
        QCOMPARE(seen, QStringLiteral("<< You Win >> X.OXO.XOX You 0 0 Hard 0010 0010 no no"));
        QCOMPARE(win->dialogs.outcomes.at(0).parent, w);
        QCOMPARE(board() + u' ' + shown(), QStringLiteral("....O.... You 0 1 Hard 0010 0010 no no"));
    }

    void pressesShowGreenUntilRelease()
    {
        // A cell: green while held, white on release, and only then the move.
        QTest::mousePress(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kPressGreen);
        QTest::mouseRelease(w->BO[4], Qt::LeftButton);
        QCOMPARE(board(), QStringLiteral("O...X...."));
        // Released away from where it began: the cell goes white, nothing is played.
        QTest::mousePress(w->BO[8], Qt::LeftButton);
        QTest::mouseRelease(w->BO[8], Qt::LeftButton, {}, QPoint(-30, 60));
        QCOMPARE(board(), QStringLiteral("O...X...."));
        // The right button on a button: green, then light blue, and no click.
        QTest::mousePress(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kPressGreen);
        QTest::mouseRelease(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kLightBlue);
        QCOMPARE(board(), QStringLiteral("O...X...."));
        // A button disabled while held lets go at once.
        w->Command1->click();
        QTest::mousePress(w->Command2, Qt::LeftButton);
        w->sbcm->trigger();
        QCOMPARE(w->Command2->backColor(), colours::kLightBlue);
    }

    void namesAreShownExactlyAsTyped_data()
    {
        QTest::addColumn<std::optional<QString>>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Cancel keeps the name") << std::optional<QString>() << QStringLiteral("You");
        QTest::newRow("empty") << std::optional(QString()) << QString();
        const QString long_ = QStringLiteral("W\u00e9<&>\u05d0 ").repeated(14286).left(100000);
        for (const QString& name : {long_, QStringLiteral("<b>x</b>"), QStringLiteral("<img src=x>"),
                                    QStringLiteral("&Ann"), QStringLiteral("\t\n\r\x01"),
                                    QStringLiteral("Ann \u05e9\u05dc\u05d5\u05dd \u0633\u0644\u0627\u0645"),
                                    QStringLiteral("\U0001F3B2\U0001F600"),
                                    QStringLiteral("Ann") + QChar(0) + QStringLiteral("Bo")}) {
            QTest::newRow(qPrintable(name.left(12).toHtmlEscaped())) << std::optional(name) << name;
        }
    }

    // Shown literally and as plain text, over a game under way that stays as it was.
    void namesAreShownExactlyAsTyped()
    {
        QFETCH(std::optional<QString>, name);
        QFETCH(QString, shown);
        click(0);
        const QString board = this->board();
        const QSize size = w->size();
        win->dialogs.nextName = name;
        QTest::mouseClick(w->Label1, Qt::LeftButton);
        QCOMPARE(win->dialogs.prompts, QStringList{QStringLiteral(" What is your name ? ")});
        QVERIFY2(w->Label1->text() == shown, qPrintable(w->Label1->text().left(40)));
        QCOMPARE(w->Label1->textFormat(), Qt::PlainText);
        QVERIFY(!w->grab().isNull());
        QCOMPARE(this->board(), board);
        QCOMPARE(w->size(), size);
    }

    // Each character of the Basic Multilingual Plane typed on New Game over an empty board.
    void onlyTheDigitsOneToNinePlayFromNewGame()
    {
        QString played;
        for (int c = 0; c <= 0xFFFF; ++c) {
            const QChar ch(static_cast<char16_t>(c));
            // Printable ASCII comes with its Qt key code; the rest as an input method sends it.
            QKeyEvent press(QEvent::KeyPress,
                            c > 0x20 && c < 0x7f ? ch.toUpper().unicode() : int(Qt::Key_unknown),
                            Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(w->Command1, &press);
            if (const QString now = board(); now != QStringLiteral(".........")) {
                played += ch;
                // The numeric keypad's layout: 7 8 9 the top row.
                QVERIFY2(now.indexOf(u'X') == QStringLiteral("789456123").indexOf(ch),
                         qPrintable(played + now));
                w->Command1_Click();
            }
        }
        QCOMPARE(played, QStringLiteral("123456789"));
        // The digits are New Game's alone: after a click on Help the focus is there.
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        const QString afterHelp = board();
        QTest::keyClick(w->Command4, Qt::Key_1);
        QCOMPARE(board(), afterHelp);
    }

    void theRealOutcomeBoxWaitsForOk()
    {
        QtDialogs real;
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = QStringLiteral("%1|%2|%3|%4")
                       .arg(box->text(), box->windowTitle())
                       .arg(box->icon() == QMessageBox::NoIcon)
                       .arg(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        real.showOutcome(w, QStringLiteral("<< You Win >>"));
        QCOMPARE(seen, QStringLiteral("<< You Win >>|Vovodi|1|1"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aboutStaysBesideTheGameAndClosesWithIt()
    {
        w->aboutm->trigger();
        QPointer<frmAbout> about = w->aboutDialog();
        QVERIFY(about && about->isVisible());
        w->aboutm->trigger();
        QCOMPARE(w->aboutDialog(), about.data());
        click(4);  // the game still takes moves
        QCOMPARE(board(), QStringLiteral("O...X...."));
        w->close();
        QTRY_VERIFY(!about);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
