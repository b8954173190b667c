// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game window with its boxes and desktop faked, and how the window tests
// and benchmarks find its controls and read its board.

#include <functional>
#include <optional>
#include <vector>

#include "ui/main/colours.hpp"
#include "ui/main/game_window.hpp"
#include "ui/main/widgets.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"

namespace vovodi::testing {

// Boxes that are not shown: `onOutcome` runs while the outcome box would be
// open, and the name prompt answers `nextName` (none is Cancel).
class FakeDialogs final : public Dialogs {
public:
    void showOutcome(QWidget* parent, const QString& text) override { onOutcome(parent, text); }
    std::optional<QString> askName(QWidget*, const QString& prompt) override
    {
        prompts << prompt;
        return nextName;
    }

    std::function<void(QWidget*, const QString&)> onOutcome = [](QWidget*, const QString&) {};
    QStringList prompts;
    std::optional<QString> nextName;
};

class FakeDesktop final : public Desktop {
public:
    QString userName() const override { return user; }
    QString userId() const override { return QStringLiteral("1000"); }
    void openUrl(const QUrl& url) override { opened.push_back(url); }

    QString user = QStringLiteral("player");
    std::vector<QUrl> opened;
};

struct Window {
    FakeDialogs dialogs;
    FakeDesktop desktop;
    GameWindow w{dialogs, desktop};
};

// The child of `parent` named `name` ("newGameButton", "cell4", "levelItem3"); a name that is not
// there ends the test program.
template <typename T = QWidget> T* part(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    return found ? found
                 : (qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name)), nullptr);
}

inline Cell* cell(const GameWindow& w, int i)
{
    return part<Cell>(w, QStringLiteral("cell%1").arg(i));
}

// What the cells show, "X", "O" or "." per cell, row by row: "X...O...." has
// X top left, O in the centre; a mark in a wrong colour, or a background
// other than white, shows as "?".
inline QString boardText(const GameWindow& w)
{
    QString s;
    for (int i = 0; i < 9; ++i) {
        const Cell* c = cell(w, i);
        const QColor want = c->caption() == u"X" ? colours::kMarkRed : colours::kMarkBlue;
        const bool right = c->foreColor() == want && c->backColor() == colours::kWhite;
        s += !right ? QStringLiteral("?") : c->caption().isEmpty() ? QStringLiteral(".") : c->caption();
    }
    return s;
}

}  // namespace vovodi::testing
