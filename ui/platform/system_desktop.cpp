// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDesktopServices>
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
#include <unistd.h>
#include <vector>
#endif

namespace vovodi {

namespace {

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
    // A desktop without a mail handler just does nothing; the user is not told.
    QDesktopServices::openUrl(url);
}

}  // namespace vovodi
