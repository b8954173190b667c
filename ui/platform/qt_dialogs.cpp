// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <limits>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/app_info.hpp"
#include "ui/platform/dialogs.hpp"

namespace vovodi {
namespace {

// The name prompt, readied as it is shown: QInputDialog builds its controls then.
class NamePrompt final : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        QInputDialog::showEvent(event);
        // A line edit keeps 32767 UTF-16 units and cuts a longer paste there,
        // even inside a character; a name is kept whole.
        for (QLineEdit* edit : findChildren<QLineEdit*>()) {
            edit->setMaxLength(std::numeric_limits<int>::max());
        }
        // OK and Cancel without the icons some desktop themes put on every
        // button, as in the outcome box.
        for (const QDialogButtonBox* buttons : findChildren<QDialogButtonBox*>()) {
            for (QAbstractButton* button : buttons->buttons()) {
                button->setIcon(QIcon());
            }
        }
    }
};

}  // namespace

void QtDialogs::showOutcome(QWidget* parent, const QString& text)
{
    // One box for the window's life, shown again for each outcome: a screen reader (Orca 48) goes on
    // asking for the parts of a box it has read after the box is gone.
    if (outcomeBox_ == nullptr || outcomeBox_->parentWidget() != parent) {
        delete outcomeBox_;
        outcomeBox_ = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(app::kTitle), QString(),
                                      QMessageBox::Ok, parent);
        outcomeBox_->setTextFormat(Qt::PlainText);
        // A message, not a text to select: as a system box, and no text events a reader cannot place.
        outcomeBox_->setTextInteractionFlags(Qt::NoTextInteraction);
        // Some desktop themes put an icon on every button.
        outcomeBox_->button(QMessageBox::Ok)->setIcon(QIcon());
    }
    outcomeBox_->setText(text);
    outcomeBox_->exec();
}

std::optional<QString> QtDialogs::askName(QWidget* parent, const QString& prompt)
{
    NamePrompt dialog(parent);
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
