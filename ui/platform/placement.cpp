// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/placement.hpp"

#include <algorithm>
#include <optional>

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef VOVODI_HAVE_XCB
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>
#endif

namespace vovodi {
namespace {

#ifdef VOVODI_HAVE_XCB
// On X11 the window manager states the frame it puts around a window in the
// window's _NET_FRAME_EXTENTS, and those that support _NET_REQUEST_FRAME_EXTENTS
// state it before the window is first shown. That lets the window go to its
// place as it is mapped: a move requested later may be refused (icewm keeps a
// window larger than the work area with its client area, not its frame, at the
// area's corner, which puts the title bar off the screen).
class X11Frame {
public:
    explicit X11Frame(const QWidget* window)
    {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 != nullptr && window->testAttribute(Qt::WA_WState_Created)) {
            connection_ = x11->connection();
            window_ = static_cast<xcb_window_t>(window->winId());
        }
    }

    // The extents the window manager has stated, if any.
    std::optional<QMargins> extents() const
    {
        if (connection_ == nullptr) {
            return std::nullopt;
        }
        const Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window_, atom("_NET_FRAME_EXTENTS"),
                                                    XCB_ATOM_CARDINAL, 0, 4),
                                   nullptr),
            &std::free);
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4 * 4) {
            return std::nullopt;
        }
        std::uint32_t v[4];  // left, right, top, bottom
        std::memcpy(v, xcb_get_property_value(reply.get()), sizeof v);
        return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }

    // Asks the window manager for the extents of the frame it will put around
    // the window, and waits a moment for the answer; none where it does not
    // support the request, or does not answer in time.
    std::optional<QMargins> requestExtents() const
    {
        if (connection_ == nullptr) {
            return std::nullopt;
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_atom_t request = atom("_NET_REQUEST_FRAME_EXTENTS");
        const Reply<xcb_get_property_reply_t> supported(
            xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
                nullptr),
            &std::free);
        const auto* atoms =
            supported ? static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get())) : nullptr;
        const int count =
            supported && supported->format == 32 ? xcb_get_property_value_length(supported.get()) / 4 : 0;
        if (std::find(atoms, atoms + count, request) == atoms + count) {
            return std::nullopt;
        }
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = request;
        xcb_send_event(connection_, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
        for (const QDeadlineTimer deadline(kAnswerMs);; QThread::msleep(2)) {
            if (const std::optional<QMargins> answer = extents(); answer || deadline.hasExpired()) {
                return answer;
            }
        }
    }

private:
    template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

    xcb_atom_t atom(const char* name) const
    {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(
                connection_,
                xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
                nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    static constexpr int kAnswerMs = 200;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = 0;
};
#endif

// The margins of the window's frame: as the window manager states them on
// X11, else as Qt measures them. None while a frame is still being built
// (openbox's is 1 x 1 pixels for a moment) and does not enclose the client.
std::optional<QMargins> frameMargins(const QWidget* window)
{
    std::optional<QMargins> margins;
#ifdef VOVODI_HAVE_XCB
    margins = X11Frame(window).extents();
#endif
    if (!margins) {
        const QRect frame = window->frameGeometry();
        const QRect client = window->geometry();
        margins = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    }
    const QMargins m = *margins;
    return std::min({m.left(), m.top(), m.right(), m.bottom()}) >= 0 ? margins : std::nullopt;
}

// Puts the window's client area where a frame of `margins` around it is placed.
void place(QWidget* window, QMargins margins)
{
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Before its first show, a window with a layout has not yet taken its size;
    // while it is being framed, a window of fixed size may report another for
    // a moment (openbox).
    const QSize client = window->minimumSize() == window->maximumSize()        ? window->maximumSize()
                         : !window->isVisible() && window->layout() != nullptr ? window->sizeHint()
                                                                               : window->size();
    const QPoint frame = placedFrame(client.grownBy(margins), screen->availableGeometry());
    window->setGeometry(QRect(frame + QPoint(margins.left(), margins.top()), client));
}

// Places its window again whenever its frame's margins change, or the screen's
// work area does (a panel that comes up with the session), in the first
// seconds after the window is mapped: a busy window manager may frame it
// some time after it is shown.
class FramePlacer final : public QObject {
public:
    FramePlacer(QWidget* window, QMargins margins) : QObject(window), window_(window), margins_(margins)
    {
        window->installEventFilter(this);
        poll_.callOnTimeout(this, &FramePlacer::check);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched == window_ && type == QEvent::Show && !poll_.isActive()) {
            poll_.start(kPollMs);
            QTimer::singleShot(kGiveUpMs, this, [this] { deleteLater(); });
            if (window_->screen() != nullptr) {
                connect(window_->screen(), &QScreen::availableGeometryChanged, this,
                        [this] { place(window_, margins_); });
            }
        }
        if (watched == window_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
                                   type == QEvent::WindowActivate)) {
            check();
        }
        return false;
    }

private:
    void check()
    {
        const QWindow* handle = window_->windowHandle();
        if (!mapped_ && handle != nullptr && handle->isExposed()) {
            mapped_ = true;
            QTimer::singleShot(kWatchMs, this, [this] { deleteLater(); });
        }
        if (const std::optional<QMargins> margins = frameMargins(window_); margins && *margins != margins_) {
            margins_ = *margins;
            place(window_, margins_);
        }
    }

    static constexpr int kPollMs = 50;
    static constexpr int kWatchMs = 3000;
    static constexpr int kGiveUpMs = 30000;  // for a window that is never mapped
    QWidget* window_;
    QMargins margins_;
    QTimer poll_;
    bool mapped_ = false;
};

}  // namespace

QPoint placedFrame(QSize frame, QRect available)
{
    return {available.left() + std::max(0, (available.width() - frame.width()) / 2),
            available.top() + std::max(0, (available.height() - frame.height()) / 2)};
}

void placeOnScreen(QWidget* window)
{
    QMargins margins;  // until the frame is known, the client area is placed as if it had none
#ifdef VOVODI_HAVE_XCB
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr) {
        window->winId();  // the window manager is asked about a window that exists
        margins = X11Frame(window).requestExtents().value_or(QMargins());
    }
#endif
    place(window, margins);
    new FramePlacer(window, margins);
}

}  // namespace vovodi
