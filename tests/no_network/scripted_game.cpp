// A whole session of the game, scripted, for tracing what the program asks of
// the system (run.sh runs it under strace). Only the modal boxes are faked, so
// that nothing waits for a user; the window, the About box and the desktop
// (the user database) are the real ones. Exits 0 once every step has had its
// effect, so that a clean trace cannot come from a session that did nothing.

#include <cstdio>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "tests/fakes.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/main/form1.hpp"
#include "ui/platform/desktop.hpp"

using namespace vovodi;

namespace {

int failures = 0;

void expect(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "scripted_game: %s did not happen\n", what);
        ++failures;
    }
}

int marks(const Form1& w)
{
    int n = 0;
    for (const Cell* c : w.BO) {
        n += c->caption().isEmpty() ? 0 : 1;
    }
    return n;
}

void play(Form1& w, testing::FakeDialogs& dialogs)
{
    QTest::mouseClick(w.BO[0], Qt::LeftButton);
    QTest::mouseClick(w.BO[8], Qt::LeftButton);
    expect(marks(w) == 4, "two moves and two answers");

    w.Command4->click();  // Help
    expect(marks(w) >= 5, "a helped move");

    w.Command1->click();  // New Game
    expect(marks(w) == 0, "a new game");

    dialogs.nextName = QStringLiteral("Ann");
    w.Label1_Click();
    expect(w.Label1->text() == QStringLiteral("Ann"), "a new name");

    // Play the first free cell until the game ends with a box.
    w.difm[1]->trigger();  // Easy, from the menu
    for (int move = 0; move < 5 && dialogs.outcomes.empty(); ++move) {
        for (Cell* c : w.BO) {
            if (c->caption().isEmpty()) {
                QTest::mouseClick(c, Qt::LeftButton);
                break;
            }
        }
    }
    expect(!dialogs.outcomes.empty(), "a finished game");

    w.Command3->click();  // Restart All
    expect(w.Label3->text() == QStringLiteral("0") && w.Label4->text() == QStringLiteral("0"), "a restart");

    w.aboutm->trigger();
    QPointer<frmAbout> about = w.aboutDialog();
    expect(about && QTest::qWaitForWindowExposed(about), "the About box");
    if (about) {
        about->cmdOK->click();
        expect(QTest::qWaitFor([&] { return about.isNull(); }), "the About box closing");
    }

    w.close();  // ends the program
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    testing::FakeDialogs dialogs;
    SystemDesktop desktop;
    Form1 w(dialogs, desktop);
    w.show();
    QTimer::singleShot(0, &w, [&] { play(w, dialogs); });
    const int status = QApplication::exec();
    return status != 0 ? status : failures != 0 ? 1 : 0;
}
