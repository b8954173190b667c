#pragma once

#include <array>
#include <cstdint>

#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>

#include "game/board.hpp"
#include "ui/main/widgets.hpp"

namespace vovodi {

class Desktop;
class Dialogs;
class frmAbout;

// The game window. All of the game's state lives in its controls: the board
// is the captions and colours of the nine cells, the scores and the names
// are label captions; the only fields are the difficulty `Level` and the
// toggle that alternates the computer's opening cell.
//
// The controls and handlers keep the names the rest of the system uses for
// them, and are public so that tests can drive the window as a user would.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(Dialogs& dialogs, Desktop& desktop, QWidget* parent = nullptr);
    ~Form1() override;

    // Board cells BO(0)..BO(8), row by row from the top-left.
    std::array<Cell*, 9> BO{};
    ColourButton* Command1 = nullptr;       // New Game
    ColourButton* Command2 = nullptr;       // Computer
    ColourButton* Command3 = nullptr;       // Restart All
    ColourButton* Command4 = nullptr;       // Help
    ClickLabel* Label1 = nullptr;           // player's name
    QLabel* Label2 = nullptr;               // difficulty name, heading the computer's row
    QLabel* Label3 = nullptr;               // computer's score
    QLabel* Label4 = nullptr;               // player's score
    QLabel* Label5 = nullptr;               // "="
    QLabel* Label6 = nullptr;               // "="
    std::array<QRadioButton*, 5> Level1{};  // indices 1..4

    QMenu* editm = nullptr;
    QAction* New1m = nullptr;
    QAction* New2m = nullptr;
    QAction* mline1 = nullptr;
    QAction* sbcm = nullptr;
    QAction* hbcm = nullptr;
    QMenu* defm = nullptr;
    std::array<QAction*, 5> difm{};  // indices 1..4
    QAction* aboutm = nullptr;

    std::uint8_t Level = 4;
    bool FirstMoveToggle = false;

    // The board as the cells show it.
    Board board() const;
    // The About dialog while it is open.
    frmAbout* aboutDialog() const;

public slots:
    void BO_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void New1m_Click();
    void New2m_Click();
    void sbcm_Click();
    void hbcm_Click();
    void Level1_Click(int Index);
    void difm_Click(int Index);
    void Label1_Click();
    void Command1_KeyPress(char16_t KeyAscii);
    void BO_MouseDown(int Index);
    void BO_MouseUp(int Index);
    void Command1_MouseDown();
    void Command1_MouseUp();
    void Command2_MouseDown();
    void Command2_MouseUp();
    void Command3_MouseDown();
    void Command3_MouseUp();
    void Command4_MouseDown();
    void Command4_MouseUp();
    void aboutm_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void Form_Unload();
    void ClearBoard();
    void CheckWinner();
    void ComputerPlay();
    void setComputerFirstEnabled(bool enabled);
    void updateSpokenScores();

    Dialogs& dialogs_;
    Desktop& desktop_;
    QActionGroup* difficultyGroup_ = nullptr;
    QPointer<frmAbout> about_;
};

}  // namespace vovodi
