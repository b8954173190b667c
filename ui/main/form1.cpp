// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/form1.hpp"

#include <QAccessible>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QSignalBlocker>

#include "app/app_info.hpp"
#include "resources/app_icon.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/main/colours.hpp"
#include "ui/platform/dialogs.hpp"
#include "ui/platform/fonts.hpp"
#include "ui/platform/placement.hpp"

namespace vovodi {
namespace {

constexpr std::array<Difficulty, 4> kLevels{Difficulty::Easy, Difficulty::Normal, Difficulty::Hard,
                                            Difficulty::NoWin};

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

Form1::Form1(Dialogs& dialogs, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), desktop_(desktop)
{
    ensureFonts();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(appIcon());
    setFont(formFont());

    buildControls();
    buildMenus();

    // The window cannot be resized: its client area is fixed at 5655 x 6255 twips.
    centralWidget()->setFixedSize(twips(5655), twips(6255));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeOnScreen(this);
    Command1->setFocus();

    Form_Load();
}

Form1::~Form1() = default;

frmAbout* Form1::aboutDialog() const
{
    return about_.data();
}

void Form1::buildControls()
{
    // The window's own colours, whatever the desktop's palette: black text on
    // window blue, navy on the scoreboard's green.
    auto* client = new QWidget(this);
    setFixedColours(client, colours::kWindowBlue, colours::kBlack);
    setCentralWidget(client);

    // Buttons, in the graphical style that paints their own background.
    const auto makeButton = [&](const char* caption, QRect geometry) {
        auto* b = new ColourButton(QString::fromLatin1(caption), client);
        b->setGeometry(geometry);
        b->setBackColor(colours::kLightBlue);
        connect(b, &ColourButton::mouseDown, this, [this, b] { Command_MouseDown(b); });
        connect(b, &ColourButton::mouseUp, this, [this, b] { Command_MouseUp(b); });
        return b;
    };
    Command1 = makeButton("New Game", twipsRect(120, 120, 975, 255));
    Command2 = makeButton("Computer", twipsRect(1200, 120, 855, 255));
    Command3 = makeButton("Restart All", twipsRect(120, 360, 975, 255));
    Command4 = makeButton("Help", twipsRect(1200, 360, 855, 255));

    // The scoreboard: the computer's row above, the player's below.
    const auto makeScore = [&](QLabel* l, const char* caption, QRect geometry) {
        l->setParent(client);
        l->setText(QString::fromLatin1(caption));
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignCenter);
        l->setTextFormat(Qt::PlainText);
        setFixedColours(l, colours::kScoreGreen, colours::kScoreNavy);
        return l;
    };
    Label2 = makeScore(new QLabel, "No Win", twipsRect(2160, 120, 615, 255));
    Label5 = makeScore(new UnspokenLabel, "=", twipsRect(2760, 120, 135, 255));
    Label3 = makeScore(new QLabel, "0", twipsRect(2880, 120, 615, 255));
    Label1 = static_cast<ClickLabel*>(makeScore(new ClickLabel, "You", twipsRect(2160, 360, 615, 255)));
    Label6 = makeScore(new UnspokenLabel, "=", twipsRect(2760, 360, 135, 255));
    Label4 = makeScore(new QLabel, "0", twipsRect(2880, 360, 615, 255));

    // The difficulty options, one exclusive group on the window: Easy and
    // Normal in the first column, Hard and No Win in the second.
    for (const Difficulty d : kLevels) {
        const int i = static_cast<int>(level(d));
        auto* option = new QRadioButton(text(levelName(d)), client);
        option->setGeometry(twipsRect(i < 2 ? 3600 : 4680, i % 2 == 0 ? 120 : 360, i < 2 ? 975 : 855, 255));
        setFixedColours(option, colours::kWindowBlue, colours::kBlack);
        // An option button reports a click when it becomes the selected one,
        // by the mouse, the keyboard or from code.
        connect(option, &QRadioButton::toggled, this, [this, d](bool on) {
            if (on) {
                Level1_Click(d);
            }
        });
        Level1[level(d)] = option;
    }

    // The cells; each later cell lies on top of the one before, so the pixel
    // two neighbours share belongs to the higher index.
    QFont markFont(QStringLiteral("Tahoma"));
    markFont.setPointSize(72);
    markFont.setBold(true);
    for (int i = 0; i < 9; ++i) {
        auto* cell = new Cell(i, client);
        cell->setGeometry(twipsRect(120 + 1800 * (i % 3), 720 + 1800 * (i / 3), 1815, 1815));
        cell->setFont(markFont);
        cell->setBackColor(colours::kWhite);
        BO[static_cast<std::size_t>(i)] = cell;
        connect(cell, &Cell::clicked, this, [this, i] { BO_Click(i); });
        connect(cell, &Cell::mouseDown, this, [this, i] { BO_MouseDown(i); });
        connect(cell, &Cell::mouseUp, this, [this, i] { BO_MouseUp(i); });
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

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Label1, &ClickLabel::clicked, this, &Form1::Label1_Click);
    Label1->setAccessibleDescription(QStringLiteral("Press to enter your name"));
    Command1->installEventFilter(this);

    // Focus moves New Game, Computer, Restart All, Help, into the options, then
    // to the player's name.
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Level1[level(Difficulty::Easy)]);
    setTabOrder(Level1[level(Difficulty::Easy)], Level1[level(Difficulty::Hard)]);
    setTabOrder(Level1[level(Difficulty::Hard)], Level1[level(Difficulty::Normal)]);
    setTabOrder(Level1[level(Difficulty::Normal)], Level1[level(Difficulty::NoWin)]);
    setTabOrder(Level1[level(Difficulty::NoWin)], Label1);
}

void Form1::buildMenus()
{
    editm = menuBar()->addMenu(QStringLiteral("&Edit"));
    New1m = editm->addAction(QStringLiteral("&New Game"), this, &Form1::New1m_Click);
    New2m = editm->addAction(QStringLiteral("&Restart All"), this, &Form1::New2m_Click);
    mline1 = editm->addSeparator();
    sbcm = editm->addAction(QStringLiteral("&Start by Computer"), this, &Form1::sbcm_Click);
    hbcm = editm->addAction(QStringLiteral("&Help by Computer"), this, &Form1::hbcm_Click);

    defm = menuBar()->addMenu(QStringLiteral("&Difficulty"));
    auto* group = new QActionGroup(this);  // exclusive: checking one item unchecks the others
    const std::array<const char*, 4> captions{"&Easy", "&Normal", "&Hard", "No &Win"};
    for (const Difficulty d : kLevels) {
        QAction* item = defm->addAction(QString::fromLatin1(captions[level(d)]));
        item->setCheckable(true);
        group->addAction(item);
        // Choosing the item already checked triggers it again; difm_Click then
        // selects the option that is already selected, which changes nothing.
        connect(item, &QAction::triggered, this, [this, d] { difm_Click(d); });
        difm[level(d)] = item;
    }

    aboutm = menuBar()->addAction(QStringLiteral("&About"), this, &Form1::aboutm_Click);
}

void Form1::Form_Load()
{
    setWindowTitle(text(app::kWindowCaption) + u' ' + text(app::kDisplayVersion));
    redraw();
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    // Closing the game window ends the program, an open About dialog included.
    if (about_) {
        about_->close();
    }
    QCoreApplication::quit();
}

void Form1::redraw()
{
    const Board& board = game_.board();
    for (std::size_t i = 0; i < board.size(); ++i) {
        const Mark m = board[i];
        BO[i]->setCaption(m == Mark::X   ? QStringLiteral("X")
                          : m == Mark::O ? QStringLiteral("O")
                                         : QString());
        BO[i]->setForeColor(m == Mark::X ? colours::kMarkRed : colours::kMarkBlue);
    }
    Command2->setEnabled(game_.computerMayOpen());
    sbcm->setEnabled(game_.computerMayOpen());

    const QString name = QString::fromStdU16String(game_.playerName());
    Label1->setText(name);
    Label2->setText(text(levelName(game_.level())));
    Label3->setText(QString::number(game_.computerScore()));
    Label4->setText(QString::number(game_.playerScore()));
    {
        // The selection follows the level; it must not report a click of its own.
        const QSignalBlocker blocker(Level1[level(game_.level())]);
        Level1[level(game_.level())]->setChecked(true);
    }
    difm[level(game_.level())]->setChecked(true);

    // What a screen reader says of the scoreboard: "Computer score 3", "Your score 2", "Ann score 2".
    const QString player = name.isEmpty() ? QStringLiteral("Player") : name;
    setSpokenName(Label1, QStringLiteral("Player name, ") + player);
    setSpokenName(Label2, QStringLiteral("Difficulty, ") + Label2->text());
    setSpokenName(Label3, QStringLiteral("Computer score ") + Label3->text());
    const QString owner = player == u"You" ? QStringLiteral("Your") : player;
    setSpokenName(Label4, owner + QStringLiteral(" score ") + Label4->text());
}

void Form1::announce(Mark winner)
{
    // The final position is shown under the box; the score and the cleared
    // board follow once it is closed.
    redraw();
    dialogs_.showOutcome(this, text(outcomeText(winner)));
}

void Form1::BO_Click(int Index)
{
    game_.playCell(Index);
    redraw();
}

void Form1::Command1_Click()
{
    game_.newGame();
    redraw();
}

void Form1::New1m_Click()
{
    Command1_Click();
}

void Form1::Command2_Click()
{
    game_.computerOpens();
    redraw();
}

void Form1::sbcm_Click()
{
    Command2_Click();
}

void Form1::Command3_Click()
{
    game_.restartAll();
    redraw();
}

void Form1::New2m_Click()
{
    Command3_Click();
}

void Form1::Command4_Click()
{
    game_.help();
    redraw();
}

void Form1::hbcm_Click()
{
    Command4_Click();
}

void Form1::Level1_Click(Difficulty Index)
{
    game_.setLevel(Index);
    redraw();
}

void Form1::difm_Click(Difficulty Index)
{
    // Selecting the option reports its click, which makes the change.
    Level1[level(Index)]->setChecked(true);
}

void Form1::Label1_Click()
{
    // Cancel keeps the name; an empty answer empties it.
    if (const auto name = dialogs_.askName(this, QStringLiteral(" What is your name ? "))) {
        game_.setPlayerName(name->toStdU16String());
        redraw();
    }
}

void Form1::Command1_KeyPress(char16_t KeyAscii)
{
    // The digits lie as on a numeric keypad: 7 8 9 play the top row.
    static constexpr std::array<int, 9> kCellOfDigit{6, 7, 8, 3, 4, 5, 0, 1, 2};
    if (KeyAscii >= u'1' && KeyAscii <= u'9') {
        BO_Click(kCellOfDigit[static_cast<std::size_t>(KeyAscii - u'1')]);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Characters typed on New Game are looked at and passed on unchanged.
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1) {
            Command1_KeyPress(typed.at(0).unicode());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::BO_MouseDown(int Index)
{
    BO[static_cast<std::size_t>(Index)]->setBackColor(colours::kPressGreen);
}

void Form1::BO_MouseUp(int Index)
{
    BO[static_cast<std::size_t>(Index)]->setBackColor(colours::kWhite);
}

void Form1::Command_MouseDown(ColourButton* button)
{
    button->setBackColor(colours::kPressGreen);
}

void Form1::Command_MouseUp(ColourButton* button)
{
    button->setBackColor(colours::kLightBlue);
}

void Form1::aboutm_Click()
{
    if (!about_) {
        about_ = new frmAbout(desktop_, this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace vovodi
