#pragma once

#include <vector>

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/platform/twips.hpp"

namespace vovodi {

// One board cell: a caption (the mark) drawn in its text colour on its
// background, centred across and set from the top. It reports a press and a
// release of any mouse button, and a click: a left press released over it.
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
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QString caption_;
    QColor foreColor_;
    QColor backColor_;
    bool leftDown_ = false;
};

// A command button in the graphical style: it paints its own background
// colour, and reports a press and a release of any mouse button.
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
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor backColor_;
    bool held_ = false;  // a mouse button went down here and has not come up
};

// A label that reports a click: a left press released over it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

// Straight black lines drawn over everything beneath them; they never take
// the mouse, so a click on a line reaches the control under it.
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
