// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>

#include "game/game.hpp"
#include "ui/main/widgets.hpp"

namespace vovodi {

class Desktop;
class Dialogs;
class frmAbout;

// The game window, a view of one Game: every handler hands the user's action
// to the game and redraws the controls from its state. What stays here is
// what only a window has: press colours, focus, the modal boxes and About.
//
// The controls and handlers keep the names the rest of the system uses for
// them, and are public so that tests can drive the window as a user would.
class Form1 : public QMainWindow, private Game::Announcer {
    Q_OBJECT
public:
    Form1(Dialogs& dialogs, Desktop& desktop, QWidget* parent = nullptr);
    ~Form1() override;

    // Board cells BO(0)..BO(8), row by row from the top-left.
    std::array<Cell*, 9> BO{};
    ColourButton* Command1 = nullptr;  // New Game
    ColourButton* Command2 = nullptr;  // Computer
    ColourButton* Command3 = nullptr;  // Restart All
    ColourButton* Command4 = nullptr;  // Help
    ClickLabel* Label1 = nullptr;      // player's name
    QLabel* Label2 = nullptr;          // difficulty name, heading the computer's row
    QLabel* Label3 = nullptr;          // computer's score
    QLabel* Label4 = nullptr;          // player's score
    QLabel* Label5 = nullptr;          // "="
    QLabel* Label6 = nullptr;          // "="
    // The difficulty options and menu items, Easy to No Win: use level(d).
    std::array<QRadioButton*, 4> Level1{};
    std::array<QAction*, 4> difm{};

    QMenu* editm = nullptr;
    QAction* New1m = nullptr;
    QAction* New2m = nullptr;
    QAction* mline1 = nullptr;
    QAction* sbcm = nullptr;
    QAction* hbcm = nullptr;
    QMenu* defm = nullptr;
    QAction* aboutm = nullptr;

    // The slot of a level in Level1 and difm.
    static constexpr std::size_t level(Difficulty d) { return static_cast<std::size_t>(d) - 1; }

    const Game& game() const { return game_; }
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
    void Level1_Click(vovodi::Difficulty Index);
    void difm_Click(vovodi::Difficulty Index);
    void Label1_Click();
    void Command1_KeyPress(char16_t KeyAscii);
    void BO_MouseDown(int Index);
    void BO_MouseUp(int Index);
    // Any of the four command buttons: green while a mouse button is held on it.
    void Command_MouseDown(vovodi::ColourButton* button);
    void Command_MouseUp(vovodi::ColourButton* button);
    void aboutm_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void Form_Unload();
    // Shows the game's state in the controls.
    void redraw();
    void announce(Mark winner) override;

    Dialogs& dialogs_;
    Desktop& desktop_;
    Game game_{*this};
    QPointer<frmAbout> about_;
};

}  // namespace vovodi
