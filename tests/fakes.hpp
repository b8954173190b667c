#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>
#include <QUrl>

#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"

namespace vovodi::testing {

// Records every box instead of showing it. `onOutcome` runs while the box
// would be open, so a test can look at the window at that moment.
class FakeDialogs final : public Dialogs {
public:
    struct Outcome {
        QString text;
        QWidget* parent;
    };

    void showOutcome(QWidget* parent, const QString& text) override
    {
        outcomes.push_back({text, parent});
        if (onOutcome) {
            onOutcome(text);
        }
    }

    std::optional<QString> askName(QWidget*, const QString& prompt) override
    {
        prompts.push_back(prompt);
        return nextName;
    }

    std::vector<Outcome> outcomes;
    std::function<void(const QString&)> onOutcome;
    QStringList prompts;
    std::optional<QString> nextName;  // what the next name prompt returns; none is Cancel
};

class FakeDesktop final : public Desktop {
public:
    QString userName() const override { return user; }
    void openUrl(const QUrl& url) override { opened.push_back(url); }

    QString user = QStringLiteral("player");
    std::vector<QUrl> opened;
};

}  // namespace vovodi::testing
