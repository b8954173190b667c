// Rules of the game: the computer's move on worked boards, exhaustive
// game-tree searches, properties over every one of the 3^9 boards, and the
// session's turn flow under long random runs of every command.

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.hpp"
#include "game/computer_play.hpp"
#include "game/game.hpp"
#include "game/help.hpp"
#include "game/winner.hpp"

namespace vovodi {
namespace {

constexpr std::array<Difficulty, 4> kLevels{Difficulty::Easy, Difficulty::Normal, Difficulty::Hard,
                                            Difficulty::NoWin};

// "X", "O" or "." for each cell, row by row: "XO..X...." has X in 0 and 4.
Board board(std::string_view cells)
{
    Board b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = cells[i] == 'X' ? Mark::X : cells[i] == 'O' ? Mark::O : Mark::None;
    }
    return b;
}

// -1 stands for "no cell".
int cellOrNone(std::optional<int> c)
{
    return c.value_or(-1);
}

struct Worked {
    const char* cells;
    std::array<int, 4> expected;  // Easy, Normal, Hard, No Win
};

TEST(ComputerCell, WorkedBoardsAtEveryLevel)
{
    const Worked boards[] = {
        {".........", {4, 4, 4, 4}}, {"....X....", {0, 0, 0, 0}},     {"X........", {4, 4, 4, 4}},
        {".X.......", {4, 4, 4, 4}}, {"OO.XX.X..", {2, 5, 2, 2}},  // blocks first at Normal
        {"XXO.OO.XX", {6, 6, 3, 3}},                               // target position outranks line
        {"..XOO..XX", {0, 5, 5, 5}}, {"X...O...X", {2, 2, 2, 1}},     {"..X.O.X..", {0, 0, 0, 1}},
        {"....OX.X.", {0, 0, 0, 8}}, {"O...X....", {2, 2, 2, 8}},     {"X...O....", {2, 2, 2, 8}},
        {"....O...X", {0, 0, 0, 0}},  // No Win has no rule for it
        {"OX.XO...X", {2, 2, 2, 6}}, {"XOXXOOOXX", {-1, -1, -1, -1}},
    };
    for (const Worked& w : boards) {
        for (std::size_t l = 0; l < kLevels.size(); ++l) {
            SCOPED_TRACE(std::string{w.cells} + " at level " + std::to_string(l + 1));
            EXPECT_EQ(cellOrNone(computerCell(board(w.cells), kLevels[l])), w.expected[l]);
        }
    }
}

// Can some sequence of player moves, starting on `b` with the player to move
// and every move answered by the computer, complete a line of X?
bool playerCanWin(const Board& b, Difficulty level)
{
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] != Mark::None) {
            continue;
        }
        Board next = b;
        next[cell] = Mark::X;
        if (owns(next, Mark::X)) {
            return true;
        }
        const auto reply = computerCell(next, level);
        if (!reply) {
            continue;  // the player's move filled the board
        }
        next[*reply] = Mark::O;
        if (!owns(next, Mark::O) && playerCanWin(next, level)) {
            return true;
        }
    }
    return false;
}

TEST(GameTree, NoWinNeverLosesWhenThePlayerOpens)
{
    EXPECT_FALSE(playerCanWin(kEmptyBoard, Difficulty::NoWin));
}

TEST(GameTree, NormalHardAndNoWinNeverLoseAfterAnOpeningInCentreOrCorner)
{
    for (Difficulty level : {Difficulty::Normal, Difficulty::Hard, Difficulty::NoWin}) {
        for (const char* opening : {"....O....", "O........"}) {
            SCOPED_TRACE(std::string{opening} + " at level " + std::to_string(static_cast<int>(level)));
            EXPECT_FALSE(playerCanWin(board(opening), level));
        }
    }
}

TEST(GameTree, TheSearchFindsTheKnownWinAtHard)
{
    // X0, O4, X8, O2, X6, O7, X3: the left column for the player.
    Board b{};
    const int playerMoves[] = {0, 8, 6};
    const int replies[] = {4, 2, 7};
    for (int i = 0; i < 3; ++i) {
        b[playerMoves[i]] = Mark::X;
        ASSERT_FALSE(owns(b, Mark::X));
        ASSERT_EQ(cellOrNone(computerCell(b, Difficulty::Hard)), replies[i]);
        b[replies[i]] = Mark::O;
        ASSERT_FALSE(owns(b, Mark::O));
    }
    b[3] = Mark::X;
    EXPECT_TRUE(owns(b, Mark::X));
    EXPECT_TRUE(playerCanWin(kEmptyBoard, Difficulty::Hard));
    EXPECT_TRUE(playerCanWin(kEmptyBoard, Difficulty::Easy));
}

// Calls f(board) for each of the 3^9 assignments of marks to the nine cells.
template <typename F> void forEveryBoard(F f)
{
    for (int code = 0; code < 19683; ++code) {
        Board b{};
        for (int i = 0, c = code; i < 9; ++i, c /= 3) {
            b[i] = static_cast<Mark>(c % 3);
        }
        f(b);
    }
}

// True when placing `mark` in `cell` completes a line for it.
bool completes(Board b, int cell, Mark mark)
{
    b[cell] = mark;
    return owns(b, mark);
}

bool canComplete(const Board& b, Mark mark)
{
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] == Mark::None && completes(b, cell, mark)) {
            return true;
        }
    }
    return false;
}

TEST(EveryBoard, MovesAreFreeCellsAndFollowTheLevelsPriorities)
{
    int boards = 0;
    forEveryBoard([&](const Board& b) {
        ++boards;
        for (Difficulty level : kLevels) {
            const auto cell = computerCell(b, level);
            ASSERT_EQ(cell.has_value(), !isFull(b));
            if (cell) {
                ASSERT_EQ(b[*cell], Mark::None);
            }
            ASSERT_EQ(helpCell(b, level), computerCell(exchanged(b), level));
            if (!cell || level == Difficulty::Easy) {
                continue;
            }
            // Hard and No Win take a winning cell whenever there is one; Normal
            // blocks the player whenever it must, and otherwise wins if it can.
            const Mark first = level == Difficulty::Normal ? Mark::X : Mark::O;
            const Mark second = first == Mark::X ? Mark::O : Mark::X;
            if (canComplete(b, first)) {
                ASSERT_TRUE(completes(b, *cell, first));
            } else if (canComplete(b, second)) {
                ASSERT_TRUE(completes(b, *cell, second));
            }
        }
    });
    EXPECT_EQ(boards, 19683);
}

TEST(Winner, XIsJudgedBeforeOAndAFullBoardIsNoWin)
{
    EXPECT_EQ(winner(kEmptyBoard), Mark::None);
    EXPECT_EQ(winner(board("XXX......")), Mark::X);
    EXPECT_EQ(winner(board("..O.O.O..")), Mark::O);
    EXPECT_EQ(winner(board("XXXOOO...")), Mark::X);
    EXPECT_EQ(winner(board("XOXXOOOXX")), Mark::None);
    EXPECT_EQ(winner(board("XXXXOOXOO")), Mark::X);  // a row and a column at once
}

// "X", "O" or "." per cell.
std::string text(const Board& b)
{
    std::string s;
    for (Mark m : b) {
        s += m == Mark::X ? 'X' : m == Mark::O ? 'O' : '.';
    }
    return s;
}

// Writes down every announcement as it is made: "<< You Win >> X.OXO.XOX 0:0"
// (the text, the board under the box, the player's and the computer's scores).
struct Recorder : Game::Announcer {
    Game* game = nullptr;
    std::vector<std::string> seen;
    void announce(Mark winner) override
    {
        seen.push_back(std::string{outcomeText(winner)} + ' ' + text(game->board()) + ' ' +
                       std::to_string(game->playerScore()) + ':' + std::to_string(game->computerScore()));
    }
};

struct Session {
    Recorder recorder;
    Game game;
    explicit Session(const Board& start = kEmptyBoard, Difficulty level = Difficulty::NoWin)
        : game(recorder, start, level)
    {
        recorder.game = &game;
    }
    std::string state() const
    {
        return text(game.board()) + ' ' + std::to_string(game.playerScore()) + ':' +
               std::to_string(game.computerScore()) + (game.computerMayOpen() ? " may open" : "");
    }
};

TEST(Game, AWonGameIsShownThenScoredThenCleared)
{
    Session s({}, Difficulty::Hard);
    for (int cell : {0, 8, 6, 3}) {
        s.game.playCell(cell);
    }
    // The computer opens the next game in the centre at once, so it may not open it again.
    EXPECT_EQ(s.recorder.seen, std::vector<std::string>{"<< You Win >> X.OXO.XOX 0:0"});
    EXPECT_EQ(s.state(), "....O.... 1:0");

    s.game.playCell(1);
    s.game.playCell(2);  // the computer completes its diagonal
    EXPECT_EQ(s.recorder.seen.back(), "<< You Failed >> OXX.O...O 1:0");
    EXPECT_EQ(s.state(), "......... 1:1 may open");

    // A full board is no one's: it stays, and every move on it is ignored, Help too.
    for (int cell : {4, 8, 1, 3, 6}) {
        s.game.playCell(cell);
    }
    const std::string full = s.state();
    EXPECT_EQ(full.find('.'), std::string::npos);
    for (int cell = -1; cell <= 9; ++cell) {
        s.game.playCell(cell);
    }
    s.game.help();
    s.game.computerOpens();
    EXPECT_EQ(s.state(), full);
    EXPECT_EQ(s.recorder.seen.size(), 2U);
}

TEST(Game, HelpPlaysThePlayersMoveByTheLevelsRules)
{
    struct Row {
        const char* before;
        std::array<const char*, 4> after;  // Easy, Normal, Hard, No Win
    };
    const Row rows[] = {
        {".........", {"O...X....", "O...X....", "O...X....", "O...X...."}},
        {"....O....", {"X.O.O....", "X.O.O....", "X.O.O....", "X...O...O"}},
        {"XOXXOOOX.", {"XOXXOOOXX", "XOXXOOOXX", "XOXXOOOXX", "XOXXOOOXX"}},
        {"XOXXOOOXX", {"XOXXOOOXX", "XOXXOOOXX", "XOXXOOOXX", "XOXXOOOXX"}},
        // Normal blocks the computer's row before it completes the player's own; the
        // other levels win, and the computer opens the next game.
        {"XX.OO....", {"....O....", "XXOOOX...", "....O....", "....O...."}},
    };
    for (const Row& row : rows) {
        for (std::size_t l = 0; l < kLevels.size(); ++l) {
            SCOPED_TRACE(std::string{row.before} + " at level " + std::to_string(l + 1));
            Session s(board(row.before), kLevels[l]);
            s.game.help();
            EXPECT_EQ(text(s.game.board()), row.after[l]);
            const bool wins = std::string_view{row.before} == "XX.OO...." && l != 1;
            EXPECT_EQ(s.recorder.seen, wins ? std::vector<std::string>{"<< You Win >> XXXOO.... 0:0"}
                                            : std::vector<std::string>{});
        }
    }
}

TEST(Game, OpeningsAlternateAndOnlyNewGamesAndRestartsClear)
{
    Session s;
    std::string openings;
    const auto open = [&] {
        s.game.computerOpens();
        s.game.computerOpens();  // once a game: the board is no longer empty
        openings += text(s.game.board()) + ' ';
    };
    s.game.setPlayerName(u"Ann");
    open();
    s.game.playCell(8);
    s.game.newGame();  // keeps the scores and the name
    EXPECT_EQ(s.state() + ' ' + std::string(s.game.playerName().begin(), s.game.playerName().end()),
              "......... 0:0 may open Ann");
    open();
    s.game.restartAll();
    EXPECT_TRUE(s.game.playerName() == u"You");
    open();
    s.game.setLevel(Difficulty::Easy);  // a new level restarts everything but the openings
    EXPECT_EQ(s.game.level(), Difficulty::Easy);
    open();
    s.game.setPlayerName(u"");
    s.game.setLevel(Difficulty::Easy);  // the level in force: nothing happens
    s.game.setLevel(static_cast<Difficulty>(9));
    EXPECT_TRUE(s.game.playerName().empty());
    EXPECT_EQ(openings, "....O.... O........ ....O.... O........ ");
    EXPECT_EQ(s.state(), "O........ 0:0");
}

// Every command at random, with the session's rules checked after each and at
// every announcement. The soak target runs ten million.
#ifndef VOVODI_SOAK_COMMANDS
#define VOVODI_SOAK_COMMANDS 100000
#endif

TEST(Game, RandomCommandsKeepTheRules)
{
    struct Checker : Game::Announcer {
        Game* game = nullptr;
        std::mt19937* rng = nullptr;
        std::vector<Mark> announced;
        void announce(Mark winner) override
        {
            // The final position is on the board and the score is not yet raised...
            ASSERT_EQ(vovodi::winner(game->board()), winner);
            ASSERT_TRUE(winner == Mark::O || game->level() != Difficulty::NoWin) << text(game->board());
            announced.push_back(winner);
            // ...and the box keeps every command away from the game.
            const std::string before = text(game->board());
            const auto scores = std::pair{game->playerScore(), game->computerScore()};
            game->playCell(static_cast<int>((*rng)() % 9));
            game->help();
            game->restartAll();
            game->setLevel(Difficulty::Easy);
            ASSERT_EQ(text(game->board()), before);
            ASSERT_EQ(std::pair(game->playerScore(), game->computerScore()), scores);
        }
    };
    long commands = 0;
    for (std::uint32_t seed : {1U, 20240611U, 777U, 4242U}) {
        std::mt19937 rng(seed);
        Checker checker;
        Game game(checker);
        checker.game = &game;
        checker.rng = &rng;
        for (long n = 0; n < VOVODI_SOAK_COMMANDS / 4; ++n, ++commands) {
            const auto before = std::pair{game.playerScore(), game.computerScore()};
            checker.announced.clear();
            bool restarted = false;
            switch (rng() % 16) {
            case 0:
                game.help();
                break;
            case 1:
                game.computerOpens();
                break;
            case 2:
                game.newGame();
                ASSERT_EQ(game.board(), kEmptyBoard);
                break;
            case 3:
                restarted = rng() % 8 == 0;
                if (restarted) {
                    game.restartAll();
                }
                break;
            case 4: {
                const Difficulty was = game.level();
                game.setLevel(kLevels[rng() % 4]);
                restarted = game.level() != was;
                break;
            }
            default:
                game.playCell(static_cast<int>(rng() % 9));
            }
            // At most one game a command, scored for its winner alone; only restarts lower a score.
            ASSERT_LE(checker.announced.size(), 1U);
            const auto won = [&](Mark m) {
                return static_cast<std::uint64_t>(
                    std::count(checker.announced.begin(), checker.announced.end(), m));
            };
            const auto expected = restarted
                                      ? std::pair<std::uint64_t, std::uint64_t>{0, 0}
                                      : std::pair{before.first + won(Mark::X), before.second + won(Mark::O)};
            ASSERT_EQ(std::pair(game.playerScore(), game.computerScore()), expected);
            ASSERT_EQ(winner(game.board()), Mark::None) << text(game.board());
        }
    }
    EXPECT_EQ(commands, VOVODI_SOAK_COMMANDS / 4 * 4);
}

}  // namespace
}  // namespace vovodi
