// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/placement.hpp"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace vovodi {
namespace {

QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void place(QWidget* window)
{
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A window's position is that of its frame; until the window manager has
    // framed it, its frame is its client area. Before its first show, a window
    // with a layout has not yet taken its size.
    const QSize client =
        !window->isVisible() && window->layout() != nullptr ? window->sizeHint() : window->size();
    const QSize frame = client.grownBy(frameMargins(window));
    window->move(placedFrame(frame, screen->availableGeometry()));
}

// Places its window again, once, when the frame's margins first differ from
// those it was placed with, in the first seconds after the window is shown.
class FramePlacer final : public QObject {
public:
    explicit FramePlacer(QWidget* window) : QObject(window), window_(window), margins_(frameMargins(window))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched != window_ || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize &&
                                   type != QEvent::WindowActivate)) {
            return false;
        }
        if (type == QEvent::Show && !std::exchange(shown_, true)) {
            QTimer::singleShot(kWatchMs, this, [this] { deleteLater(); });
        }
        if (frameMargins(window_) != margins_) {
            window_->removeEventFilter(this);
            place(window_);
            deleteLater();
        }
        return false;
    }

private:
    static constexpr int kWatchMs = 3000;
    QWidget* window_;
    QMargins margins_;
    bool shown_ = false;
};

}  // namespace

QPoint placedFrame(QSize frame, QRect available)
{
    return {available.left() + std::max(0, (available.width() - frame.width()) / 2),
            available.top() + std::max(0, (available.height() - frame.height()) / 2)};
}

void placeOnScreen(QWidget* window)
{
    place(window);
    new FramePlacer(window);
}

}  // namespace vovodi
