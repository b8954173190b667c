// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/widgets.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextLayout>

namespace vovodi {
namespace {

constexpr std::array<const char*, 9> kCellPlaces{
    QT_TRANSLATE_NOOP("vovodi::Cell", "Top left"),     QT_TRANSLATE_NOOP("vovodi::Cell", "Top centre"),
    QT_TRANSLATE_NOOP("vovodi::Cell", "Top right"),    QT_TRANSLATE_NOOP("vovodi::Cell", "Middle left"),
    QT_TRANSLATE_NOOP("vovodi::Cell", "Centre"),       QT_TRANSLATE_NOOP("vovodi::Cell", "Middle right"),
    QT_TRANSLATE_NOOP("vovodi::Cell", "Bottom left"),  QT_TRANSLATE_NOOP("vovodi::Cell", "Bottom centre"),
    QT_TRANSLATE_NOOP("vovodi::Cell", "Bottom right"),
};

// What a screen reader says of a cell's mark.
QString spokenMark(const Cell* cell)
{
    return cell->caption().isEmpty() ? Cell::tr("empty") : cell->caption();
}

// A control a screen reader sees as a button, whose press action reports the
// control's click.
template <typename Control> class PressableAccessible : public QAccessibleWidget {
public:
    explicit PressableAccessible(Control* control, const QString& name = {})
        : QAccessibleWidget(control, QAccessible::Button, name)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            emit static_cast<Control*>(widget())->clicked();
        }
    }
};

// A cell reads as a button named by its place and its mark ("Top left, X");
// pressing it through the screen reader plays the cell.
class CellAccessible final : public PressableAccessible<Cell> {
public:
    explicit CellAccessible(Cell* cell) : PressableAccessible(cell, Cell::tr("Cell")) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* cell = static_cast<const Cell*>(widget());
        switch (t) {
        case QAccessible::Name:
            return cell->spokenText();
        case QAccessible::Value:
            return spokenMark(cell);
        case QAccessible::Description:
            return Cell::tr("Board cell %1 of 9").arg(cell->index() + 1);
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

// The name label reads as a button named by the label's accessible name (or
// its text); pressing it through the screen reader asks for the name. Its
// text can be read as text, letter by letter, and its changes reach the
// reader as text events (ClickLabel::setText).
class ClickLabelAccessible final : public PressableAccessible<ClickLabel>, public QAccessibleTextInterface {
public:
    using PressableAccessible::PressableAccessible;

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : PressableAccessible::interface_cast(t);
    }

    // Read only: no caret, no selection, no places on the screen.
    QString text(int start, int end) const override { return label()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(label()->text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    const ClickLabel* label() const { return static_cast<const ClickLabel*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object)
{
    if (auto* cell = qobject_cast<Cell*>(object)) {
        return new CellAccessible(cell);
    }
    if (auto* label = qobject_cast<ClickLabel*>(object)) {
        return new ClickLabelAccessible(label);
    }
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(installed);
}

// Whether `event` takes the mouse from `widget` while a button is held on it,
// so that no release may come: a modal box blocks its window, it is hidden
// (its window too), it loses the mouse grab or is disabled.
bool losesTheMouse(const QWidget* widget, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::Hide:
    case QEvent::UngrabMouse:
        return true;
    case QEvent::EnabledChange:
        return !widget->isEnabled();
    default:
        return false;
    }
}

// Tells of a press's end by calling `tell`: at once, or for a hidden widget
// on the event loop's next turn if the widget still exists then. A window
// hides its controls also on its way out of its destructor, when whatever
// listens to them may be gone already.
template <typename Tell> void tellLetGo(QWidget* widget, const QEvent* event, Tell tell)
{
    if (event->type() == QEvent::Hide) {
        QMetaObject::invokeMethod(widget, tell, Qt::QueuedConnection);
    } else {
        tell();
    }
}

bool isActivationKey(const QKeyEvent* event)
{
    return !event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

// Stores a new colour and repaints, when it is new.
void setColour(QWidget* widget, QColor& field, const QColor& colour)
{
    if (colour != field) {
        field = colour;
        widget->update();
    }
}

}  // namespace

Cell::Cell(int index, QWidget* parent)
    : QWidget(parent), index_(index), foreColor_(Qt::blue), backColor_(Qt::white)
{
    installAccessibleFactory();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString cellPlace(int index)
{
    return Cell::tr(kCellPlaces.at(static_cast<std::size_t>(index)));
}

QString Cell::spokenText() const
{
    return tr("%1, %2").arg(cellPlace(index_), spokenMark(this));
}

void Cell::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    update();
    // The name carries the mark ("Top left, X"). No value change: a cell has
    // no value interface, and the bridges would only refuse it.
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

void Cell::setForeColor(const QColor& colour)
{
    setColour(this, foreColor_, colour);
}

void Cell::setBackColor(const QColor& colour)
{
    setColour(this, backColor_, colour);
}

bool Cell::event(QEvent* event)
{
    if (held_ && losesTheMouse(this, event)) {
        held_ = leftDown_ = false;
        tellLetGo(this, event, [this] { emit mouseUp(); });
    }
    return QWidget::event(event);
}

void Cell::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor_);
    if (!caption_.isEmpty()) {
        p.setPen(foreColor_);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, caption_);
    }
}

void Cell::mousePressEvent(QMouseEvent* event)
{
    held_ = true;
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
    }
    emit mouseDown();
}

void Cell::mouseReleaseEvent(QMouseEvent* event)
{
    // The release comes to the cell where the press began (Qt grabs the mouse
    // for it), wherever the pointer is now.
    held_ = event->buttons() != Qt::NoButton;
    emit mouseUp();
    if (event->button() == Qt::LeftButton && std::exchange(leftDown_, false) &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

ColourButton::ColourButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void ColourButton::setBackColor(const QColor& colour)
{
    setColour(this, backColor_, colour);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, backColor_);

    // A raised bevel, sunk while the button is down.
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(light);
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 2, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 2);
    p.setPen(dark);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    const QRect textRect = down ? r.translated(1, 1) : r;
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(Qt::black);  // the background is the game's own colour, whatever the desktop's palette
    } else {
        // Disabled text is etched: a white copy below and to the right of a grey one.
        p.setPen(Qt::white);
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        p.setPen(QColor(128, 128, 128));
    }
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3, 3, -3, -3);
        focus.backgroundColor = backColor_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

bool ColourButton::event(QEvent* event)
{
    // A button disabled while a mouse button is held on it (Computer, when the
    // computer opens the game from the keyboard or the menu meanwhile), or
    // whose window a box blocks, gets no release; it lets go now, so that it
    // does not stay green.
    if (held_ && losesTheMouse(this, event)) {
        held_ = false;
        setDown(false);
        tellLetGo(this, event, [this] { emit mouseUp(); });
    }
    return QPushButton::event(event);
}

void ColourButton::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(event)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ColourButton::mousePressEvent(QMouseEvent* event)
{
    held_ = true;
    emit mouseDown();
    QPushButton::mousePressEvent(event);
}

void ColourButton::mouseReleaseEvent(QMouseEvent* event)
{
    held_ = event->buttons() != Qt::NoButton;
    emit mouseUp();
    QPushButton::mouseReleaseEvent(event);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    installAccessibleFactory();
    setFocusPolicy(Qt::TabFocus);
    setText(text);
}

void ClickLabel::setText(const QString& text)
{
    const QString old = QLabel::text();
    if (text == old) {
        return;
    }
    const bool hadDocument = std::exchange(documented_, needsDocument(text));
    if (documented_) {
        QLabel::setText(text);
    } else {
        // QLabel makes its document as the text is set if the label takes the
        // focus at that moment, and drops the one it has if not.
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        QLabel::setText(text);
        setFocusPolicy(policy);
    }
    // A document tells of its own text once it holds it (as it is first drawn
    // or measured); a new one starts empty.
    if (!documented_) {
        tellReader(old, text);
    } else if (!hadDocument) {
        tellReader(old, {});
    }
}

bool ClickLabel::needsDocument(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.cbegin(), characters.cend(), [](uint c) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            break;
        }
        switch (QChar::direction(c)) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirNSM:
        case QChar::DirBN:
        case QChar::DirWS:
        case QChar::DirON:
            // QTextDocument's object and frame marks
            return c == QChar::ObjectReplacementCharacter || c == 0xfdd0 || c == 0xfdd1;
        default:
            return true;  // right to left, Arabic numbers, or embeddings and isolates
        }
    });
}

void ClickLabel::tellReader(const QString& old, const QString& text)
{
    if (!QAccessible::isActive() || old == text) {
        return;
    }
    if (old.isEmpty()) {
        QAccessibleTextInsertEvent inserted(this, 0, text);
        QAccessible::updateAccessibility(&inserted);
    } else if (text.isEmpty()) {
        QAccessibleTextRemoveEvent removed(this, 0, old);
        QAccessible::updateAccessibility(&removed);
    } else {
        QAccessibleTextUpdateEvent updated(this, 0, old, text);
        QAccessible::updateAccessibility(&updated);
    }
}

bool ClickLabel::event(QEvent* event)
{
    // QLabel makes its document on Polish, and does nothing else then; a text
    // that needs one has it already.
    return event->type() == QEvent::Polish ? QFrame::event(event) : QLabel::event(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event)
{
    // QLabel makes its document as it takes the focus, to pass the event on.
    if (documented_) {
        QLabel::focusInEvent(event);
    } else {
        QFrame::focusInEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (documented_) {
        QLabel::paintEvent(event);
    }
    QPainter p(this);
    if (!documented_) {
        // As QLabel draws a line of text, left to right; one wider than the
        // label starts at its left edge, as in a document.
        const QString& line = text();
        const QRect r = contentsRect();
        QTextLayout layout(line, font(), this);
        QTextOption noWrap;
        noWrap.setWrapMode(QTextOption::ManualWrap);
        layout.setTextOption(noWrap);
        layout.beginLayout();
        QTextLine laidOut = layout.createLine();
        laidOut.setLineWidth(r.width());
        const bool fits = laidOut.naturalTextWidth() <= r.width();
        layout.endLayout();
        const Qt::Alignment across = fits ? alignment() & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
        drawFrame(&p);
        style()->drawItemText(&p, r,
                              int(across | (alignment() & Qt::AlignVertical_Mask)) | Qt::TextForceLeftToRight,
                              palette(), isEnabled(), line, foregroundRole());
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(event) || (event->key() == Qt::Key_Space && !event->isAutoRepeat())) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(leftDown_, false) &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

LinesOverlay::LinesOverlay(std::vector<Line> lines, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hideFromScreenReaders(this);
}

void LinesOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const Line& line : lines_) {
        p.setPen(QPen(Qt::black, line.width, Qt::SolidLine, Qt::SquareCap));
        const QLine& t = line.twipsLine;
        p.drawLine(twips(t.x1()), twips(t.y1()), twips(t.x2()), twips(t.y2()));
    }
}

}  // namespace vovodi
