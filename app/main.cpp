// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include <QApplication>
#include <QStringList>

#include "app/app_info.hpp"
#include "ui/main/game_window.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"
#include "ui/platform/fonts.hpp"

namespace {

// --help and --version are answered before Qt starts, so they need no display.
// Returns the exit status when one of them was answered: 0, or 1 when the
// answer could not be written (a closed pipe, a full disk).
std::optional<int> answerInformationOptions(int argc, char* argv[])
{
    using vovodi::app::kDisplayVersion;
    using vovodi::app::kTitle;
    bool answered = false;
    for (int i = 1; i < argc && !answered; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--version") == 0 || std::strcmp(option, "-v") == 0) {
            std::printf("%.*s %.*s\n", int(kTitle.size()), kTitle.data(), int(kDisplayVersion.size()),
                        kDisplayVersion.data());
            answered = true;
        } else if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
            std::printf("Usage: %s [options]\n"
                        "%.*s: noughts and crosses against the computer.\n\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n\n"
                        "Qt's own options, such as -platform, -style and -reverse, work as well.\n",
                        argv[0], int(kTitle.size()), kTitle.data());
            answered = true;
        }
    }
    if (!answered) {
        return std::nullopt;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "%.*s: cannot write to standard output: %s\n", int(kTitle.size()), kTitle.data(),
                     std::strerror(errno));
        return 1;
    }
    return 0;
}

// While the application starts, Qt's messages are held back: when no window
// system can be reached (no display, no graphical session), Qt gives up with
// a fatal message and an abort. The user is told so in one line instead, with
// the first thing Qt found wrong, and the program ends with status 1.
QStringList heldMessages;
QString firstProblem;
QtMessageHandler previousHandler = nullptr;

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages.append(qFormatLogMessage(type, context, message));
        if (firstProblem.isEmpty()) {
            firstProblem = message;
        }
        return;
    }
    const QString reason = (firstProblem.isEmpty() ? message : firstProblem).section(u'\n', 0, 0).trimmed();
    std::fprintf(stderr, "%.*s: cannot open a window (%s); it needs a graphical desktop session.\n",
                 int(vovodi::app::kTitle.size()), vovodi::app::kTitle.data(), qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt's AT-SPI bridge warns of each kind of event a screen reader asks to hear
// that the bridge never sends (Orca 48 asks for "window:destroy"): nothing a
// player could act on, so it is not written. Everything else goes on as ever.
void withoutUnsentEventWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && context.category != nullptr &&
        std::strcmp(context.category, "qt.accessibility.atspi") == 0 &&
        message.startsWith(QLatin1String("Subscription string not handled"))) {
        return;
    }
    previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = answerInformationOptions(argc, argv)) {
        return *status;
    }
    vovodi::SystemDesktop::keepFromStartingASessionBus();
    vovodi::chooseWindowsLook();
    previousHandler = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(withoutUnsentEventWarnings);
    for (const QString& message : std::as_const(heldMessages)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }

    QApplication::setApplicationName(QString::fromUtf8(vovodi::app::kTitle));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3.%4")
                                            .arg(vovodi::app::kVersionMajor)
                                            .arg(vovodi::app::kVersionMinor)
                                            .arg(vovodi::app::kVersionBuild)
                                            .arg(vovodi::app::kVersionRevision));
    QApplication::setOrganizationName(QString::fromUtf8(vovodi::app::kCompany));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(vovodi::app::kAppId));

    vovodi::QtDialogs dialogs;
    vovodi::SystemDesktop desktop;
    vovodi::GameWindow window(dialogs, desktop);
    window.show();
    return QApplication::exec();
}
