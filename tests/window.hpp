#pragma once

// The game window with fake boxes, and the few ways the window tests read
// and set its board.

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

// "X", "O" or "." per cell, row by row: "X...O...." has X top left, O in the centre.
inline QString boardText(const Form1& w)
{
    QString s;
    for (const Cell* c : w.BO) {
        s += c->caption().isEmpty() ? QStringLiteral(".") : c->caption();
    }
    return s;
}

// Writes marks into the cells in their owners' colours.
inline void setBoard(Form1& w, const QString& cells)
{
    for (int i = 0; i < 9; ++i) {
        const QString mark = cells[i] == u'.' ? QString() : QString(cells[i]);
        w.BO[i]->setCaption(mark);
        w.BO[i]->setForeColor(mark == u"X" ? colours::kMarkRed : colours::kMarkBlue);
    }
}

// Every X red, every O and free cell blue, every background white.
inline bool coloursHold(const Form1& w)
{
    for (const Cell* c : w.BO) {
        const QColor want = c->caption() == u"X" ? colours::kMarkRed : colours::kMarkBlue;
        if (c->foreColor() != want || c->backColor() != colours::kWhite) {
            return false;
        }
    }
    return true;
}

}  // namespace vovodi::testing
