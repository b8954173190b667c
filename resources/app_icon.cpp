// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/app_icon.hpp"

#include <bitset>
#include <cstddef>
#include <iterator>

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QString>

namespace vovodi {
namespace {

// Every rendered size, so that each place the icon is shown (title bar, task
// bar, Alt+Tab, HiDPI screens) gets a sharp one instead of a scaled one.
constexpr int kSizes[] = {VOVODI_ICON_SIZES};

// The rendered size that serves a request for `size` pixels (its index in
// kSizes, which is in ascending order), as QIcon's own engine for files
// chooses: the smallest with at least as many pixels, or else the largest.
std::size_t serving(const QSize& size)
{
    std::size_t i = 0;
    while (i + 1 < std::size(kSizes) && kSizes[i] * kSizes[i] < size.width() * size.height()) {
        ++i;
    }
    return i;
}

// The program icon, whose PNG of each size is decoded the first time that
// size is needed, not when the icon is made: where few sizes are asked for
// (Windows takes two for a window, the About box shows one), only those are
// decoded. What it gives for a request is what QIcon's engine with all the
// files would give: that engine does the work, holding the sizes decoded so
// far, which always include the one that serves the request.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Every size is rendered at a scale of 1, so the scale changes nothing.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        if (const std::size_t i = serving(size); !decoded_.test(i)) {
            icon_.addFile(QStringLiteral(":/icons/vovodi-%1.png").arg(kSizes[i]),
                          QSize(kSizes[i], kSizes[i]));
            decoded_.set(i);
        }
        return icon_.pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = kSizes[serving(size)];
        QSize actual(side, side);
        if (actual.width() > size.width() || actual.height() > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const int s : kSizes) {
                sizes.append(QSize(s, s));
            }
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new AppIconEngine(*this); }

private:
    QIcon icon_;  // of the sizes decoded so far
    std::bitset<std::size(kSizes)> decoded_;
};

}  // namespace

QIcon appIcon()
{
    return QIcon(new AppIconEngine);
}

}  // namespace vovodi
