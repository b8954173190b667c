// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/app_info.hpp"
#include "ui/platform/dialogs.hpp"

namespace vovodi {
void QtDialogs::showOutcome(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(app::kTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // some desktop themes put one on every button
    box.exec();
}

std::optional<QString> QtDialogs::askName(QWidget* parent, const QString& prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8(app::kTitle));
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

}  // namespace vovodi
