// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/game_window.hpp"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/app_info.hpp"
#include "resources/app_icon.hpp"
#include "ui/about/about_dialog.hpp"
#include "ui/main/colours.hpp"
#include "ui/main/spoken_game.hpp"
#include "ui/main/widgets.hpp"
#include "ui/platform/dialogs.hpp"
#include "ui/platform/fonts.hpp"
#include "ui/platform/placement.hpp"
#include "ui/shared/palette.hpp"

namespace vovodi {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// A screen reader hears of every change of a name, so only changes are made.
void setSpokenName(QWidget* w, const QString& name)
{
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
}

}  // namespace

GameWindow::GameWindow(Dialogs& dialogs, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), desktop_(desktop)
{
    ensureFonts();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The window's own icon in the sizes a window manager draws it at: title
    // bars up to three times the density, task bars, switchers. Docks and the
    // larger switchers take the desktop entry's themed icon; the 128 and 256
    // pixel ones here cost 4.8 M instructions of start-up (under X11 Qt
    // converts every size for _NET_WM_ICON as the window is made).
    setWindowIcon(appIcon(64));
    setFont(formFont());
    setWindowTitle(text(app::kWindowCaption) + u' ' + text(app::kDisplayVersion));

    buildControls();
    buildCommands();

    // The window cannot be resized: its client area is fixed at 5655 x 6255 twips.
    centralWidget()->setFixedSize(twips(5655), twips(6255));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeOnScreen(this);
    newGameButton_->setFocus();
    redraw();
}

GameWindow::~GameWindow() = default;

QString GameWindow::levelName(Difficulty level)
{
    switch (level) {
    case Difficulty::Easy:
        return tr("Easy");
    case Difficulty::Normal:
        return tr("Normal");
    case Difficulty::Hard:
        return tr("Hard");
    case Difficulty::NoWin:
        break;
    }
    return tr("No Win");
}

void GameWindow::buildControls()
{
    // The window's own colours, whatever the desktop's palette: black text on
    // window blue, navy on the scoreboard's green.
    auto* client = new QWidget(this);
    setFixedColours(client, colours::kWindowBlue, colours::kBlack);
    setCentralWidget(client);

    // Buttons, in the graphical style that paints their own background.
    const auto makeButton = [&](const QString& caption, const char* name, QRect geometry) {
        auto* b = new ColourButton(caption, client);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setBackColor(colours::kLightBlue);
        connect(b, &ColourButton::mouseDown, b, [b] { b->setBackColor(colours::kPressGreen); });
        connect(b, &ColourButton::mouseUp, b, [b] { b->setBackColor(colours::kLightBlue); });
        return b;
    };
    newGameButton_ = makeButton(tr("New Game"), "newGameButton", twipsRect(120, 120, 975, 255));
    computerButton_ = makeButton(tr("Computer"), "computerButton", twipsRect(1200, 120, 855, 255));
    restartAllButton_ = makeButton(tr("Restart All"), "restartAllButton", twipsRect(120, 360, 975, 255));
    helpButton_ = makeButton(tr("Help"), "helpButton", twipsRect(1200, 360, 855, 255));

    // The scoreboard: the computer's row above, the player's below.
    const auto makeScore = [&](auto* l, const char* name, QRect geometry) {
        l->setParent(client);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // the caption set from the label's top edge
        l->setTextFormat(Qt::PlainText);
        setFixedColours(l, colours::kScoreGreen, colours::kScoreNavy);
        return l;
    };
    levelLabel_ = makeScore(new QLabel, "levelLabel", twipsRect(2160, 120, 615, 255));
    makeScore(new UnspokenLabel, "computerEquals", twipsRect(2760, 120, 135, 255))->setText(tr("="));
    computerScoreLabel_ = makeScore(new QLabel, "computerScoreLabel", twipsRect(2880, 120, 615, 255));
    nameLabel_ = makeScore(new ClickLabel, "nameLabel", twipsRect(2160, 360, 615, 255));
    makeScore(new UnspokenLabel, "playerEquals", twipsRect(2760, 360, 135, 255))->setText(tr("="));
    playerScoreLabel_ = makeScore(new QLabel, "playerScoreLabel", twipsRect(2880, 360, 615, 255));
    nameLabel_->setAccessibleDescription(tr("Press to enter your name"));
    connect(nameLabel_, &ClickLabel::clicked, this, &GameWindow::askPlayerName);
    // What a screen reader hears after each move, and the board on New Game.
    spoken_ = new SpokenGame(game_, newGameButton_, nameLabel_, client);

    // The difficulty options, one exclusive group on the window: Easy and
    // Normal in the first column, Hard and No Win in the second.
    for (const Difficulty d : kDifficulties) {
        const std::size_t i = slot(d);
        auto* option = new OptionButton(levelName(d), client);
        option->setObjectName(QStringLiteral("levelOption%1").arg(i + 1));
        option->setGeometry(twipsRect(i < 2 ? 3600 : 4680, i % 2 == 0 ? 120 : 360, i < 2 ? 975 : 855, 255));
        setFixedColours(option, colours::kWindowBlue, colours::kBlack);
        // An option button reports a click when it becomes the selected one,
        // by the mouse, the keyboard or from code.
        connect(option, &QRadioButton::toggled, this, [this, d](bool on) {
            if (on) {
                chooseLevel(d);
            }
        });
        levelOptions_[i] = option;
    }

    // The cells; each later cell lies on top of the one before, so the pixel
    // two neighbours share belongs to the higher index.
    QFont markFont(QStringLiteral("Tahoma"));
    markFont.setPointSize(72);
    markFont.setBold(true);
    for (int i = 0; i < 9; ++i) {
        auto* cell = new Cell(i, client);
        cell->setObjectName(QStringLiteral("cell%1").arg(i));
        cell->setGeometry(twipsRect(120 + 1800 * (i % 3), 720 + 1800 * (i / 3), 1815, 1815));
        cell->setFont(markFont);
        cell->setBackColor(colours::kWhite);
        cells_[static_cast<std::size_t>(i)] = cell;
        connect(cell, &Cell::clicked, this, [this, i] { playCell(i); });
        connect(cell, &Cell::mouseDown, cell, [cell] { cell->setBackColor(colours::kPressGreen); });
        connect(cell, &Cell::mouseUp, cell, [cell] { cell->setBackColor(colours::kWhite); });
    }

    // All fifteen lines, over the cells and the scoreboard.
    auto* lines = new LinesOverlay(
        {
            // scoreboard box, one pixel
            {{2160, 120, 3480, 120}, 1},
            {{2160, 360, 3480, 360}, 1},
            {{2160, 600, 3480, 600}, 1},
            {{2160, 120, 2160, 360}, 1},
            {{2160, 360, 2160, 600}, 1},
            {{3480, 360, 3480, 120}, 1},
            {{3480, 360, 3480, 600}, 1},
            // board frame and grid, three pixels
            {{120, 720, 5520, 720}, 3},
            {{120, 720, 120, 6120}, 3},
            {{5520, 720, 5520, 6120}, 3},
            {{5520, 6120, 120, 6120}, 3},
            {{1920, 720, 1920, 6120}, 3},
            {{3720, 720, 3720, 6120}, 3},
            {{120, 2520, 5520, 2520}, 3},
            {{120, 4320, 5520, 4320}, 3},
        },
        client);
    lines->setGeometry(0, 0, twips(5655), twips(6255));
    lines->raise();

    // Characters typed on New Game are looked at on their way.
    newGameButton_->installEventFilter(this);

    // Focus moves New Game, Computer, Restart All, Help, into the options, then
    // to the player's name.
    setTabOrder(newGameButton_, computerButton_);
    setTabOrder(computerButton_, restartAllButton_);
    setTabOrder(restartAllButton_, helpButton_);
    setTabOrder(helpButton_, levelOptions_[slot(Difficulty::Easy)]);
    setTabOrder(levelOptions_[slot(Difficulty::Easy)], levelOptions_[slot(Difficulty::Hard)]);
    setTabOrder(levelOptions_[slot(Difficulty::Hard)], levelOptions_[slot(Difficulty::Normal)]);
    setTabOrder(levelOptions_[slot(Difficulty::Normal)], levelOptions_[slot(Difficulty::NoWin)]);
    setTabOrder(levelOptions_[slot(Difficulty::NoWin)], nameLabel_);
}

void GameWindow::buildCommands()
{
    // Each command is one action: its menu item, and the button that triggers
    // it, which is enabled exactly while the action is.
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    const auto addCommand = [&](const QString& caption, const char* name, void (GameWindow::*run)(),
                                ColourButton* button) {
        QAction* action = editMenu->addAction(caption, this, run);
        action->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        return action;
    };
    newGameAction_ = addCommand(tr("&New Game"), "newGameAction", &GameWindow::newGame, newGameButton_);
    restartAllAction_ =
        addCommand(tr("&Restart All"), "restartAllAction", &GameWindow::restartAll, restartAllButton_);
    editMenu->addSeparator();
    computerOpensAction_ = addCommand(tr("&Start by Computer"), "computerOpensAction", &GameWindow::computerOpens,
                                      computerButton_);
    helpAction_ = addCommand(tr("&Help by Computer"), "helpAction", &GameWindow::help, helpButton_);

    QMenu* levelMenu = menuBar()->addMenu(tr("&Difficulty"));
    auto* group = new QActionGroup(this);  // exclusive: checking one item unchecks the others
    const std::array<QString, 4> captions{tr("&Easy"), tr("&Normal"), tr("&Hard"), tr("No &Win")};
    for (const Difficulty d : kDifficulties) {
        QAction* item = levelMenu->addAction(captions[slot(d)]);
        item->setObjectName(QStringLiteral("levelItem%1").arg(slot(d) + 1));
        item->setCheckable(true);
        group->addAction(item);
        // Selecting the option reports its click, which makes the change; the
        // item already checked selects the option already selected, which
        // changes nothing.
        connect(item, &QAction::triggered, levelOptions_[slot(d)], [option = levelOptions_[slot(d)]] {
            option->setChecked(true);
        });
        levelItems_[slot(d)] = item;
    }

    menuBar()->addAction(tr("&About"), this, &GameWindow::showAbout)->setObjectName(QStringLiteral("aboutAction"));
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    // Closing the game window ends the program, an open About dialog included.
    if (about_) {
        about_->close();
    }
    QCoreApplication::quit();
    event->accept();
}

void GameWindow::redraw()
{
    const Board& board = game_.board();
    for (std::size_t i = 0; i < board.size(); ++i) {
        const Mark m = board[i];
        cells_[i]->setCaption(m == Mark::X ? tr("X") : m == Mark::O ? tr("O") : QString());
        cells_[i]->setForeColor(m == Mark::X ? colours::kMarkRed : colours::kMarkBlue);
    }
    computerOpensAction_->setEnabled(game_.computerMayOpen());

    const QString name = game_.hasDefaultName() ? tr("You") : QString::fromStdU16String(game_.playerName());
    nameLabel_->setText(name);
    levelLabel_->setText(levelName(game_.level()));
    computerScoreLabel_->setText(QString::number(game_.computerScore()));
    playerScoreLabel_->setText(QString::number(game_.playerScore()));
    {
        // The selection follows the level; it must not report a click of its own.
        QRadioButton* option = levelOptions_[slot(game_.level())];
        const QSignalBlocker blocker(option);
        option->setChecked(true);
    }
    levelItems_[slot(game_.level())]->setChecked(true);
    // Tab enters the options at the selected one, as on Windows; the arrow keys reach all four.
    for (QRadioButton* option : levelOptions_) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    // What a screen reader says of the scoreboard: "Computer score 3", "Your score 2", "Ann score 2".
    const QString player = name.isEmpty() ? tr("Player") : name;
    setSpokenName(nameLabel_, tr("Player name, %1").arg(player));
    setSpokenName(levelLabel_, tr("Difficulty, %1").arg(levelLabel_->text()));
    setSpokenName(computerScoreLabel_, tr("Computer score %1").arg(computerScoreLabel_->text()));
    setSpokenName(playerScoreLabel_, game_.hasDefaultName()
                                         ? tr("Your score %1").arg(playerScoreLabel_->text())
                                         : tr("%1 score %2").arg(player, playerScoreLabel_->text()));
}

void GameWindow::announce(Mark winner)
{
    // The final position is shown under the box; the score and the cleared
    // board follow once it is closed.
    redraw();
    dialogs_.showOutcome(this, winner == Mark::X ? tr("<< You Win >>") : tr("<< You Failed >>"));
}

void GameWindow::playCell(int cell)
{
    game_.playCell(cell);
    redraw();
    spoken_->tell();
}

void GameWindow::newGame()
{
    game_.newGame();
    redraw();
    spoken_->tell();
}

void GameWindow::computerOpens()
{
    game_.computerOpens();
    redraw();
    spoken_->tell();
}

void GameWindow::restartAll()
{
    game_.restartAll();
    redraw();
    spoken_->tell();
}

void GameWindow::help()
{
    game_.help();
    redraw();
    spoken_->tell();
}

void GameWindow::chooseLevel(Difficulty level)
{
    game_.setLevel(level);
    redraw();
    spoken_->tell();
}

void GameWindow::askPlayerName()
{
    // Cancel keeps the name; an empty answer empties it.
    if (const auto name = dialogs_.askName(this, tr(" What is your name ? "))) {
        game_.setPlayerName(name->toStdU16String());
        redraw();
    }
}

void GameWindow::typedOnNewGame(char16_t character)
{
    // The digits lie as on a numeric keypad: 7 8 9 play the top row.
    static constexpr std::array<int, 9> kCellOfDigit{6, 7, 8, 3, 4, 5, 0, 1, 2};
    if (character >= u'1' && character <= u'9') {
        playCell(kCellOfDigit[static_cast<std::size_t>(character - u'1')]);
    }
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Characters typed on New Game are looked at and passed on unchanged.
    if (watched == newGameButton_ && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1) {
            typedOnNewGame(typed.at(0).unicode());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::showAbout()
{
    if (!about_) {
        about_ = new AboutDialog(desktop_, this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace vovodi
