#include "ui/main/widgets.hpp"

#include <array>
#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace vovodi {
namespace {

constexpr std::array<const char*, 9> kCellPlaces{
    "Top left",     "Top centre",  "Top right",     "Middle left",  "Centre",
    "Middle right", "Bottom left", "Bottom centre", "Bottom right",
};

// A cell reads as a button named by its place and its mark ("Top left, X");
// pressing it through the screen reader plays the cell.
class CellAccessible final : public QAccessibleWidget {
public:
    explicit CellAccessible(Cell* cell) : QAccessibleWidget(cell, QAccessible::Button, QStringLiteral("Cell"))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* cell = static_cast<const Cell*>(widget());
        switch (t) {
        case QAccessible::Name:
            return cell->spokenText();
        case QAccessible::Value:
            return cell->caption().isEmpty() ? QStringLiteral("empty") : cell->caption();
        case QAccessible::Description:
            return QStringLiteral("Board cell %1 of 9").arg(cell->index() + 1);
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            emit static_cast<Cell*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* cellAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("vovodi::Cell") && object && object->isWidgetType()) {
        return new CellAccessible(static_cast<Cell*>(object));
    }
    return nullptr;
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
    static const bool factoryInstalled = (QAccessible::installFactory(cellAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString Cell::spokenText() const
{
    return QStringLiteral("%1, %2").arg(QLatin1String(kCellPlaces[static_cast<std::size_t>(index_)]),
                                        caption_.isEmpty() ? QStringLiteral("empty") : caption_);
}

void Cell::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
        QAccessibleValueChangeEvent valueChanged(this,
                                                 caption_.isEmpty() ? QStringLiteral("empty") : caption_);
        QAccessible::updateAccessibility(&valueChanged);
    }
}

void Cell::setForeColor(const QColor& colour)
{
    setColour(this, foreColor_, colour);
}

void Cell::setBackColor(const QColor& colour)
{
    setColour(this, backColor_, colour);
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
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
    }
    emit mouseDown();
}

void Cell::mouseReleaseEvent(QMouseEvent* event)
{
    // The release comes to the cell where the press began (Qt grabs the mouse
    // for it), wherever the pointer is now.
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
        p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
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

void ColourButton::mousePressEvent(QMouseEvent* event)
{
    held_ = true;
    emit mouseDown();
    QPushButton::mousePressEvent(event);
}

void ColourButton::mouseReleaseEvent(QMouseEvent* event)
{
    held_ = false;
    emit mouseUp();
    QPushButton::mouseReleaseEvent(event);
}

void ColourButton::changeEvent(QEvent* event)
{
    // A button disabled while a mouse button is held on it (Computer, when the
    // computer opens the game from the keyboard or the menu meanwhile) gets no
    // release; it lets go now, so that it does not stay green.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && held_) {
        held_ = false;
        emit mouseUp();
    }
    QPushButton::changeEvent(event);
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
