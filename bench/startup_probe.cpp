// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts, shows its window, and quits as soon as the window is first exposed.
// Built three times, so that start-up time and peak memory can be compared:
// with the game's window; with a bare QMainWindow (VOVODI_BARE); and with a
// QMainWindow that has one menu and one line of text (VOVODI_TEXT), the least
// any window with a menu bar and words in it pays for the font system.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#if !defined(VOVODI_BARE) && !defined(VOVODI_TEXT)
#include "ui/main/game_window.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"
#endif

namespace {

class QuitOnExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QuitOnExpose quitter;
#if defined(VOVODI_BARE)
    QMainWindow window;
#elif defined(VOVODI_TEXT)
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Edit"));
    window.setCentralWidget(new QLabel(QStringLiteral("New Game")));
#else
    vovodi::QtDialogs dialogs;
    vovodi::SystemDesktop desktop;
    vovodi::GameWindow window(dialogs, desktop);
#endif
    window.winId();
    window.windowHandle()->installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
