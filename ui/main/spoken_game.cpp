// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/spoken_game.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QStringList>

#include "ui/main/widgets.hpp"

namespace vovodi {
namespace {

const char* const kBoardOf = "vovodiBoardOf";

// A caption as it is read: "&New" is "New", "&&" an ampersand.
QString withoutMnemonic(QString caption)
{
    for (qsizetype i = caption.indexOf(u'&'); i >= 0; i = caption.indexOf(u'&', i + 1)) {
        caption.remove(i, 1);
    }
    return caption;
}

// A push button, as Qt's own, whose description is the board.
class BoardButtonAccessible final : public QAccessibleWidget {
public:
    BoardButtonAccessible(QAbstractButton* button, const SpokenGame* spoken)
        : QAccessibleWidget(button, QAccessible::Button), spoken_(spoken)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return button()->accessibleName().isEmpty() ? withoutMnemonic(button()->text())
                                                        : button()->accessibleName();
        case QAccessible::Description:
            return spoken_ ? spoken_->boardText() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QPointer<const SpokenGame> spoken_;
};

QAccessibleInterface* spokenFactory(const QString&, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (const auto* spoken = qobject_cast<const SpokenGame*>(object->property(kBoardOf).value<QObject*>())) {
        return new BoardButtonAccessible(static_cast<QAbstractButton*>(object), spoken);
    }
    return nullptr;
}

// A place within a sentence: "top left".
QString place(int cell)
{
    return cellPlace(cell).toLower();
}

}  // namespace

SpokenGame::SpokenGame(const Game& game, QAbstractButton* boardButton, const QLabel* nameLabel,
                       QWidget* parent)
    : QObject(parent), game_(game), boardButton_(boardButton), nameLabel_(nameLabel),
      window_(parent->window()), voice_(ReaderVoice::create(parent)), described_(boardText())
{
    static const bool installed = (QAccessible::installFactory(spokenFactory), true);
    Q_UNUSED(installed);
    // Before a reader first meets the button, which it then sees through this factory.
    boardButton->setProperty(kBoardOf, QVariant::fromValue<QObject*>(this));
    window_->installEventFilter(this);
}

void SpokenGame::tell()
{
    told_ = turnText();
    waiting_ = !told_.isEmpty() && !window_->isActiveWindow();
    voice_->say(waiting_ ? QString() : told_);
    if (const QString board = boardText(); board != described_) {
        described_ = board;
        voice_->describedAnew(boardButton_);
    }
}

bool SpokenGame::eventFilter(QObject* watched, QEvent* event)
{
    // Said once the activation and the focus it brings have been told, after
    // the reader's announcement of them rather than before, where it would be
    // cut short.
    if (event->type() == QEvent::WindowActivate && waiting_) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (waiting_) {
                    waiting_ = false;
                    voice_->say(told_);
                }
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

QString SpokenGame::turnText() const
{
    const Game::Turn& turn = game_.lastTurn();
    const QString name = nameLabel_->text();
    // The scoreboard's two rows, the computer's above.
    const QString score =
        tr("Computer %1, %2 %3.")
            .arg(QString::number(game_.computerScore()), name.isEmpty() ? tr("Player") : name,
                 QString::number(game_.playerScore()));
    QStringList said;
    if (turn.taken) {
        said << tr("%1 is taken.").arg(cellPlace(*turn.taken));
    }
    if (turn.x) {
        said << tr("X %1.").arg(place(*turn.x));
    }
    if (turn.won == Mark::X) {
        said << score;
    }
    if (turn.o) {
        said << tr("O %1.").arg(place(*turn.o));
    }
    if (turn.won == Mark::O) {
        said << score;
    }
    if (isFull(game_.board())) {
        said << tr("Board full, a draw.");
    }
    return said.join(u' ');
}

QString SpokenGame::boardText() const
{
    QStringList marks;
    int free = 0;
    for (int cell = 0; cell < 9; ++cell) {
        switch (game_.board()[static_cast<std::size_t>(cell)]) {
        case Mark::X:
            marks << tr("X %1").arg(place(cell));
            break;
        case Mark::O:
            marks << tr("O %1").arg(place(cell));
            break;
        case Mark::None:
            ++free;
            break;
        }
    }
    const QString freeCells = free == 1 ? tr("1 cell free") : tr("%1 cells free").arg(free);
    return marks.isEmpty() ? tr("Board empty, %1.").arg(freeCells)
                           : tr("Board: %1; %2.").arg(marks.join(QStringLiteral(", ")), freeCells);
}

}  // namespace vovodi
