// A session of the game, scripted, for run.sh to trace under strace. Only the
// modal boxes are faked, so that nothing waits for a user; the window, the
// About box and the desktop (the user database) are the real ones. Exits 1 if
// a step had no effect, so that a clean trace cannot come from a session that
// did nothing.

#include <QApplication>
#include <QPointer>
#include <QtTest>

#include "tests/window.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/platform/desktop.hpp"

using namespace vovodi;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    testing::FakeDialogs dialogs;
    SystemDesktop desktop;
    Form1 w(dialogs, desktop);
    int failures = 0;
    const auto expect = [&](bool done, const char* step) {
        if (!done) {
            qCritical("scripted_game: %s did not happen", step);
            ++failures;
        }
    };
    w.show();
    QTest::mouseClick(w.BO[0], Qt::LeftButton);
    QTest::mouseClick(w.BO[8], Qt::LeftButton);
    w.Command4->click();  // Help
    expect(testing::boardText(w).count(u'.') <= 3, "two moves and a helped one, each answered");
    w.Command1->click();  // New Game
    QTest::mouseClick(w.BO[4], Qt::LeftButton);
    w.Command3->click();  // Restart All
    w.aboutm->trigger();
    QPointer<frmAbout> about = w.aboutDialog();
    expect(about && QTest::qWaitForWindowExposed(about), "the About box");
    if (about) {
        about->cmdOK->click();
    }
    expect(QTest::qWaitFor([&] { return about.isNull(); }), "the About box closing");
    w.close();
    return failures == 0 ? 0 : 1;
}
