// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/unspoken.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace vovodi {
namespace {

const char* const kUnspoken = "vovodiUnspoken";

// A widget a screen reader passes over: no role, no name, and not showing.
class UnspokenAccessible final : public QAccessibleWidget {
public:
    explicit UnspokenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return {}; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* unspokenFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->property(kUnspoken).toBool() ? new UnspokenAccessible(widget) : nullptr;
}

}  // namespace

void hideFromScreenReaders(QWidget* widget)
{
    static const bool installed = (QAccessible::installFactory(unspokenFactory), true);
    Q_UNUSED(installed);
    widget->setProperty(kUnspoken, true);
}

}  // namespace vovodi
