// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDesktopServices>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtGlobal>

#include "ui/platform/desktop.hpp"

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <lmcons.h>
#include <windows.h>
#else
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace vovodi {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr char kBusAddress[] = "DBUS_SESSION_BUS_ADDRESS";
bool busAddressIsOurs = false;
#endif

#ifndef Q_OS_WIN
// The effective user's login name from the user database; empty when there is
// no entry or it cannot be read.
QString passwdName()
{
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int rc = 0;
    while ((rc = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < (std::size_t{1} << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (rc != 0 || found == nullptr || found->pw_name == nullptr) {
        return {};
    }
    return QString::fromLocal8Bit(found->pw_name);
}
#endif

}  // namespace

void SystemDesktop::keepFromStartingASessionBus()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // A session's address, or a user bus at $XDG_RUNTIME_DIR/bus (which D-Bus
    // finds by itself: the socket there, not a link to one), is used as ever:
    // screen readers talk to the game over it.
    if (!qEnvironmentVariableIsEmpty(kBusAddress)) {
        return;
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus {};
    if (!runtime.isEmpty() && lstat((runtime + "/bus").constData(), &bus) == 0 && S_ISSOCK(bus.st_mode) &&
        bus.st_uid == getuid()) {
        return;
    }
    qputenv(kBusAddress, "disabled:");
    busAddressIsOurs = true;
#endif
}

QString SystemDesktop::userName() const
{
#ifdef Q_OS_WIN
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;  // on success: the characters written, with the terminating null
    if (!GetUserNameW(buffer, &size) || size == 0) {
        return {};
    }
    return QString::fromWCharArray(buffer, static_cast<qsizetype>(size) - 1);
#else
    if (QString name = passwdName(); !name.isEmpty()) {
        return name;
    }
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const QByteArray value = qgetenv(variable); !value.isEmpty()) {
            return QString::fromLocal8Bit(value);  // Qt 6 decodes local 8-bit as UTF-8 on POSIX
        }
    }
    return {};
#endif
}

QString SystemDesktop::userId() const
{
#ifdef Q_OS_WIN
    return {};
#else
    return QString::number(geteuid());
#endif
}

void SystemDesktop::openUrl(const QUrl& url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where the game gave itself the address of no bus, the handler Qt starts
    // on such a desktop, xdg-open, is started here with that variable removed
    // from its environment alone. Taking it out of the game's own environment
    // around QDesktopServices would race with any thread reading it, and would
    // miss a launch Qt makes later (on Wayland, once the compositor grants an
    // activation token). Without xdg-open, Qt's own way is tried.
    if (busAddressIsOurs) {
        QProcess handler;
        handler.setProgram(QStringLiteral("xdg-open"));
        handler.setArguments({QString::fromLatin1(url.toEncoded())});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QLatin1String(kBusAddress));
        handler.setProcessEnvironment(environment);
        if (handler.startDetached()) {
            return;
        }
    }
#endif
    // A desktop without a mail handler just does nothing; the user is not told.
    QDesktopServices::openUrl(url);
}

}  // namespace vovodi
