#include "ui/main/form1.hpp"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "app/app_info.hpp"
#include "game/computer_play.hpp"
#include "game/help.hpp"
#include "game/winner.hpp"
#include "resources/app_icon.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/main/colours.hpp"
#include "ui/platform/dialogs.hpp"
#include "ui/platform/fonts.hpp"

namespace vovodi {
namespace {

const QString kX = QStringLiteral("X");
const QString kO = QStringLiteral("O");

constexpr std::array<const char*, 5> kLevelNames{"", "Easy", "Normal", "Hard", "No Win"};

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

void paintBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Button, colour);  // an option button fills with its Button role
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

Form1::Form1(Dialogs& dialogs, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), desktop_(desktop)
{
    ensureFonts();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(app::kTitle));
    setWindowIcon(appIcon());
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPointSizeF(8.25);
    setFont(formFont);

    buildControls();
    buildMenus();

    // The window cannot be resized: its client area is fixed at 5655 x 6255 twips.
    centralWidget()->setFixedSize(twips(5655), twips(6255));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = sizeHint();
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
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
    auto* client = new QWidget(this);
    paintBackground(client, colours::kWindowBlue);
    setCentralWidget(client);

    // Buttons, in the graphical style that paints their own background.
    const auto makeButton = [&](const char* caption, QRect geometry) {
        auto* b = new ColourButton(QString::fromLatin1(caption), client);
        b->setGeometry(geometry);
        b->setBackColor(colours::kLightBlue);
        return b;
    };
    Command1 = makeButton("New Game", twipsRect(120, 120, 975, 255));
    Command2 = makeButton("Computer", twipsRect(1200, 120, 855, 255));
    Command3 = makeButton("Restart All", twipsRect(120, 360, 975, 255));
    Command4 = makeButton("Help", twipsRect(1200, 360, 855, 255));

    // The scoreboard: the computer's row above, the player's below.
    const auto setUpScore = [&](QLabel* l, QRect geometry) {
        l->setParent(client);
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignCenter);
        l->setTextFormat(Qt::PlainText);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, colours::kScoreGreen);
        pal.setColor(QPalette::WindowText, colours::kScoreNavy);
        l->setPalette(pal);
        l->setAutoFillBackground(true);
    };
    Label2 = new QLabel(QStringLiteral("No Win"));
    setUpScore(Label2, twipsRect(2160, 120, 615, 255));
    Label5 = new QLabel(QStringLiteral("="));
    setUpScore(Label5, twipsRect(2760, 120, 135, 255));
    Label3 = new QLabel(QStringLiteral("0"));
    setUpScore(Label3, twipsRect(2880, 120, 615, 255));
    Label1 = new ClickLabel(QStringLiteral("You"));
    setUpScore(Label1, twipsRect(2160, 360, 615, 255));
    Label6 = new QLabel(QStringLiteral("="));
    setUpScore(Label6, twipsRect(2760, 360, 135, 255));
    Label4 = new QLabel(QStringLiteral("0"));
    setUpScore(Label4, twipsRect(2880, 360, 615, 255));

    // The difficulty options, one exclusive group on the window.
    const std::array<QRect, 5> optionPlaces{QRect{}, twipsRect(3600, 120, 975, 255),
                                            twipsRect(3600, 360, 975, 255), twipsRect(4680, 120, 855, 255),
                                            twipsRect(4680, 360, 855, 255)};
    for (int i = 1; i <= 4; ++i) {
        auto* option =
            new QRadioButton(QString::fromLatin1(kLevelNames[static_cast<std::size_t>(i)]), client);
        option->setGeometry(optionPlaces[static_cast<std::size_t>(i)]);
        paintBackground(option, colours::kWindowBlue);
        Level1[static_cast<std::size_t>(i)] = option;
    }
    Level1[4]->setChecked(true);

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
        cell->setForeColor(i == 4 ? colours::kMarkRed : colours::kMarkBlue);
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

    // Events of the controls.
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command1, &ColourButton::mouseDown, this, &Form1::Command1_MouseDown);
    connect(Command1, &ColourButton::mouseUp, this, &Form1::Command1_MouseUp);
    connect(Command2, &ColourButton::mouseDown, this, &Form1::Command2_MouseDown);
    connect(Command2, &ColourButton::mouseUp, this, &Form1::Command2_MouseUp);
    connect(Command3, &ColourButton::mouseDown, this, &Form1::Command3_MouseDown);
    connect(Command3, &ColourButton::mouseUp, this, &Form1::Command3_MouseUp);
    connect(Command4, &ColourButton::mouseDown, this, &Form1::Command4_MouseDown);
    connect(Command4, &ColourButton::mouseUp, this, &Form1::Command4_MouseUp);
    connect(Label1, &ClickLabel::clicked, this, &Form1::Label1_Click);
    for (int i = 1; i <= 4; ++i) {
        // An option button reports a click when it becomes the selected one,
        // by the mouse, the keyboard or from code.
        connect(Level1[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                Level1_Click(i);
            }
        });
    }
    Command1->installEventFilter(this);

    // Focus moves New Game, Computer, Restart All, Help, then into the options.
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Level1[1]);
    setTabOrder(Level1[1], Level1[3]);
    setTabOrder(Level1[3], Level1[2]);
    setTabOrder(Level1[2], Level1[4]);
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
    difficultyGroup_ = new QActionGroup(this);
    difficultyGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const std::array<const char*, 5> captions{"", "&Easy", "&Normal", "&Hard", "No &Win"};
    for (int i = 1; i <= 4; ++i) {
        QAction* item = defm->addAction(QString::fromLatin1(captions[static_cast<std::size_t>(i)]));
        item->setCheckable(true);
        difficultyGroup_->addAction(item);
        // Choosing the item already checked triggers it again; difm_Click then
        // selects the option that is already selected, which changes nothing.
        connect(item, &QAction::triggered, this, [this, i] { difm_Click(i); });
        difm[static_cast<std::size_t>(i)] = item;
    }
    difm[4]->setChecked(true);

    aboutm = menuBar()->addAction(QStringLiteral("&About"), this, &Form1::aboutm_Click);
}

Board Form1::board() const
{
    Board b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        const QString& c = BO[i]->caption();
        b[i] = c == kX ? Mark::X : c == kO ? Mark::O : Mark::None;
    }
    return b;
}

void Form1::Form_Load()
{
    Level = 4;
    setWindowTitle(QStringLiteral("Zuzozu Ruvar ") + QString::fromUtf8(app::kDisplayVersion));
    updateSpokenScores();
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

void Form1::setComputerFirstEnabled(bool enabled)
{
    Command2->setEnabled(enabled);
    sbcm->setEnabled(enabled);
}

void Form1::ClearBoard()
{
    for (Cell* cell : BO) {
        cell->setCaption(QString());
        cell->setForeColor(colours::kMarkBlue);
    }
    setComputerFirstEnabled(true);
}

void Form1::CheckWinner()
{
    // X is judged first; once X has won the board is empty, so one call
    // announces at most one game.
    for (const Mark mark : {Mark::X, Mark::O}) {
        if (!owns(board(), mark)) {
            continue;
        }
        dialogs_.showOutcome(this, mark == Mark::X ? QStringLiteral("<< You Win >>")
                                                   : QStringLiteral("<< You Failed >>"));
        QLabel* score = mark == Mark::X ? Label4 : Label3;
        score->setText(QString::fromStdString(nextScore(score->text().toStdString())));
        updateSpokenScores();
        ClearBoard();
    }
}

// What a screen reader says of the scoreboard: "Computer score 3", "Your score 2", "Ann score 2".
void Form1::updateSpokenScores()
{
    const QString player = Label1->text().isEmpty() ? QStringLiteral("Player") : Label1->text();
    Label1->setAccessibleName(QStringLiteral("Player name, ") + player);
    Label1->setAccessibleDescription(QStringLiteral("Click to enter your name"));
    Label2->setAccessibleName(QStringLiteral("Difficulty, ") + Label2->text());
    Label3->setAccessibleName(QStringLiteral("Computer score ") + Label3->text());
    const QString owner = player == u"You" ? QStringLiteral("Your") : player;
    Label4->setAccessibleName(owner + QStringLiteral(" score ") + Label4->text());
}

void Form1::ComputerPlay()
{
    const Board before = board();
    for (Cell* cell : BO) {
        if (cell->caption().isEmpty()) {
            cell->setForeColor(colours::kMarkBlue);
        }
    }
    const auto cell = computerCell(before, static_cast<Difficulty>(Level));
    if (!cell) {
        return;
    }
    BO[static_cast<std::size_t>(*cell)]->setCaption(kO);
    // An O on an empty board opens the game (after the player has won one):
    // the computer may not then open it a second time.
    if (isEmpty(before)) {
        setComputerFirstEnabled(false);
    }
}

void Form1::BO_Click(int Index)
{
    setComputerFirstEnabled(false);
    Cell* cell = BO[static_cast<std::size_t>(Index)];
    if (!cell->caption().isEmpty()) {
        return;
    }
    cell->setCaption(kX);
    cell->setForeColor(colours::kMarkRed);
    CheckWinner();
    ComputerPlay();
    CheckWinner();
}

void Form1::Command1_Click()
{
    ClearBoard();
}

void Form1::New1m_Click()
{
    ClearBoard();
}

void Form1::Command2_Click()
{
    FirstMoveToggle = !FirstMoveToggle;
    Cell* cell = BO[FirstMoveToggle ? 4 : 0];
    cell->setCaption(kO);
    cell->setForeColor(colours::kMarkBlue);
    setComputerFirstEnabled(false);
}

void Form1::sbcm_Click()
{
    Command2_Click();
}

void Form1::Command3_Click()
{
    Label3->setText(QStringLiteral("0"));
    Label4->setText(QStringLiteral("0"));
    Label1->setText(QStringLiteral("You"));
    updateSpokenScores();
    ClearBoard();
}

void Form1::New2m_Click()
{
    Command3_Click();
}

void Form1::Command4_Click()
{
    setComputerFirstEnabled(false);
    // The player's move is the cell the computer would take with the marks
    // exchanged. It is worked out on a copy of the board, so the exchanged
    // board never reaches the cells (nor a screen reader).
    const Board before = board();
    if (const auto cell = helpCell(before, static_cast<Difficulty>(Level))) {
        BO[static_cast<std::size_t>(*cell)]->setCaption(kX);
    }
    // Every mark in its owner's colour, every free cell blue.
    for (Cell* c : BO) {
        c->setForeColor(c->caption() == kX ? colours::kMarkRed : colours::kMarkBlue);
    }
    CheckWinner();
    ComputerPlay();
    CheckWinner();
}

void Form1::hbcm_Click()
{
    Command4_Click();
}

void Form1::Level1_Click(int Index)
{
    for (int i = 1; i <= 4; ++i) {
        difm[static_cast<std::size_t>(i)]->setChecked(false);
    }
    difm[static_cast<std::size_t>(Index)]->setChecked(true);
    Command3_Click();
    Level = static_cast<std::uint8_t>(Index);
    Label2->setText(QString::fromLatin1(kLevelNames[static_cast<std::size_t>(Index)]));
    updateSpokenScores();
}

void Form1::difm_Click(int Index)
{
    Level1[static_cast<std::size_t>(Index)]->setChecked(true);
}

void Form1::Label1_Click()
{
    // Cancel keeps the name; an empty answer empties it.
    if (const auto name = dialogs_.askName(this, QStringLiteral(" What is your name ? "))) {
        Label1->setText(*name);
        updateSpokenScores();
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
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1) {
            Command1_KeyPress(text.at(0).unicode());
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

// A button is green while a mouse button is held on it, light blue again on release.
void Form1::Command1_MouseDown()
{
    Command1->setBackColor(colours::kPressGreen);
}
void Form1::Command1_MouseUp()
{
    Command1->setBackColor(colours::kLightBlue);
}
void Form1::Command2_MouseDown()
{
    Command2->setBackColor(colours::kPressGreen);
}
void Form1::Command2_MouseUp()
{
    Command2->setBackColor(colours::kLightBlue);
}
void Form1::Command3_MouseDown()
{
    Command3->setBackColor(colours::kPressGreen);
}
void Form1::Command3_MouseUp()
{
    Command3->setBackColor(colours::kLightBlue);
}
void Form1::Command4_MouseDown()
{
    Command4->setBackColor(colours::kPressGreen);
}
void Form1::Command4_MouseUp()
{
    Command4->setBackColor(colours::kLightBlue);
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
