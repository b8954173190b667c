// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include "ui/shared/twips.hpp"
#include "ui/shared/unspoken.hpp"

namespace vovodi {

// Where board cell `index` (0..8, row by row) lies, as a screen reader says
// it: "Top left" ... "Bottom right".
QString cellPlace(int index);

// One board cell: a caption (the mark) drawn in its text colour on its
// background, centred across and set from the top. It reports a press and a
// release of any mouse button, and a click: a left press released over it.
// A press also ends, without a click, when the window loses the mouse: a
// modal box opens, the window is hidden, the cell is disabled or loses the
// mouse grab; the release may then never come.
class Cell : public QWidget {
    Q_OBJECT
public:
    Cell(int index, QWidget* parent);

    int index() const { return index_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& colour);
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);

    // What a screen reader says of the cell: its place and its mark.
    QString spokenText() const;

signals:
    void mouseDown();
    void mouseUp();
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QString caption_;
    QColor foreColor_;
    QColor backColor_;
    bool held_ = false;      // a mouse button went down here and has not come up
    bool leftDown_ = false;  // ... and it was the left one
};

// A command button in the graphical style: it paints its own background
// colour with black text, and reports a press and a release of any mouse
// button; a press ends as a cell's does when the window loses the mouse.
// Return and Enter press it from the keyboard as Space does.
class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(const QString& caption, QWidget* parent);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);

signals:
    void mouseDown();
    void mouseUp();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor backColor_;
    bool held_ = false;  // a mouse button went down here and has not come up
};

// A label that reports a click: a left press released over it, or Return,
// Enter or Space while it has the focus, which it takes from the Tab key
// (not from the mouse) and shows with a dotted frame. A screen reader sees
// a button it can press, and reads its text as text.
//
// QLabel keeps the text of a label that takes the focus in a text document,
// which cost the window's start-up five million instructions (an empty
// document loads a font of its own). This one keeps a document only for a
// text with tabs, line breaks or right-to-left letters, which it lays out as
// before; a line of left-to-right text it draws as the document did, and
// tells a screen reader of its changes itself. Set the text through
// ClickLabel, not QLabel.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static bool needsDocument(const QString& text);
    // Tells a screen reader that the text `old` became `text`.
    void tellReader(const QString& old, const QString& text);

    bool documented_ = false;  // QLabel keeps the text in a document
    bool leftDown_ = false;
};

// An option button that takes a click anywhere in its rectangle, not only on
// its circle and caption.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A label a screen reader does not announce, such as the scoreboard's "=".
class UnspokenLabel : public QLabel {
    Q_OBJECT
public:
    explicit UnspokenLabel(QWidget* parent = nullptr) : QLabel(parent) { hideFromScreenReaders(this); }
};

// Straight black lines drawn over everything beneath them; they never take
// the mouse, so a click on a line reaches the control under it, and a screen
// reader does not announce them.
class LinesOverlay : public QWidget {
    Q_OBJECT
public:
    struct Line {
        QLine twipsLine;  // end points in twips
        int width;        // pixels
    };

    LinesOverlay(std::vector<Line> lines, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Line> lines_;
};

}  // namespace vovodi
