// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/board.hpp"
#include "game/computer_play.hpp"

namespace vovodi {

// One session of play: the board, both scores, the player's name, the level
// and the toggle that alternates the computer's opening cell. Its public
// operations are the game's commands.
//
// A game that is decided is announced before anything else happens to it:
// while Announcer::announce runs, the final position is still on the board
// and the winner's score is not yet raised. The rest of the command (the
// score, the cleared board, the computer's reply) runs after it returns.
class Game {
public:
    class Announcer {
    public:
        virtual ~Announcer() = default;
        // `winner` (Mark::X or Mark::O) owns a line on the board.
        virtual void announce(Mark winner) = 0;
    };

    // What the last command on the board (a move, Help, an opening, New Game, a restart) did,
    // for a view to tell: the cell of the player's X and of the computer's O, a cell the player
    // asked for that was taken (so nothing happened), and the winner of a game it decided and
    // cleared. After the player's win the O opens the next game; after the computer's it is
    // the move that won.
    struct Turn {
        std::optional<int> x;
        std::optional<int> o;
        std::optional<int> taken;
        Mark won = Mark::None;
    };

    // A new session: No Win, an empty board, no scores, the default name.
    explicit Game(Announcer& announcer);

    [[nodiscard]] const Board& board() const { return board_; }
    // Games won, counted in 64 bits: a session would need centuries of
    // games a nanosecond apart to reach the end of them.
    [[nodiscard]] std::uint64_t playerScore() const { return playerScore_; }
    [[nodiscard]] std::uint64_t computerScore() const { return computerScore_; }
    // Whether the player has not given a name since the session began or
    // was restarted; the view then shows its own word for the player.
    [[nodiscard]] bool hasDefaultName() const { return !playerName_; }
    // The name as the player typed it, possibly empty; empty while the name
    // is the default.
    [[nodiscard]] const std::u16string& playerName() const;
    [[nodiscard]] Difficulty level() const { return level_; }
    // The computer may open a game exactly while the board is empty; every
    // command that leaves a mark on the board takes the opening away.
    [[nodiscard]] bool computerMayOpen() const { return isEmpty(board_); }
    [[nodiscard]] const Turn& lastTurn() const { return lastTurn_; }

    // The player's X in `cell` (0..8), the checks and the computer's reply.
    // A taken cell, or one outside the board, changes nothing.
    void playCell(int cell);
    // The player's move chosen by the computer's own rules on the board with
    // the marks exchanged, then the checks and the reply, as for playCell.
    void help();
    // The computer's opening: the centre and the top-left corner in turn.
    // Only while the board is empty.
    void computerOpens();
    void newGame();
    // Both scores to 0, the name back to the default, the board emptied.
    void restartAll();
    // A new level is a full restart; the level in force changes nothing.
    void setLevel(Difficulty level);
    void setPlayerName(std::u16string name);

private:
    void clearBoard();
    // Announces, scores and clears a won board; X is judged before O.
    void checkWinner();
    // The computer's O by the rules of the level; nothing on a full board.
    void computerPlay();
    // The checks and the reply that follow every move of the player.
    void answerPlayer();

    Announcer& announcer_;
    Board board_{};
    std::uint64_t playerScore_ = 0;
    std::uint64_t computerScore_ = 0;
    std::optional<std::u16string> playerName_;  // none: the default
    Difficulty level_ = Difficulty::NoWin;
    bool firstMoveToggle_ = false;
    bool announcing_ = false;
    Turn lastTurn_;
};

}  // namespace vovodi
