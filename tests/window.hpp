#pragma once

// The game window with fake boxes, and how the window tests read its board.

#include <QString>

#include "fakes.hpp"
#include "ui/main/colours.hpp"
#include "ui/main/form1.hpp"

namespace vovodi::testing {

struct Window {
    FakeDialogs dialogs;
    FakeDesktop desktop;
    Form1 w{dialogs, desktop};
};

// What the cells show, "X", "O" or "." per cell, row by row: "X...O...." has
// X top left, O in the centre; a mark in a wrong colour, or a background
// other than white, shows as "?".
inline QString boardText(const Form1& w)
{
    QString s;
    for (const Cell* c : w.BO) {
        const QColor want = c->caption() == u"X" ? colours::kMarkRed : colours::kMarkBlue;
        const bool right = c->foreColor() == want && c->backColor() == colours::kWhite;
        s += !right ? QStringLiteral("?") : c->caption().isEmpty() ? QStringLiteral(".") : c->caption();
    }
    return s;
}

}  // namespace vovodi::testing
