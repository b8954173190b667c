// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/platform/fonts.hpp"

#include <utility>

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

namespace vovodi {
namespace {

constexpr qreal kFormPointSize = 8.25;

// The captions of the main window, whose places were measured for these
// faces; in Tahoma at 8.25 pt and 96 dpi this line measures 311 pixels.
const char* const kCaptions = "New Game Computer Restart All Help No Win Normal Easy Hard";
constexpr qreal kCaptionsWidth = 311;

bool isInstalled(const QFont& font)
{
    return QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) == 0;
}

}  // namespace

void ensureFonts(const QString& folder)
{
    // Wine's free Tahoma and MS Sans Serif, where Debian's fonts-wine has put
    // them (outside fontconfig's search path). Adding them without first
    // asking the font database what it has saves a full enumeration of the
    // system's fonts at start-up; a system that has the real faces simply
    // has no such files, or both, and then either serves.
    static bool done = false;
    if (std::exchange(done, true)) {
        return;
    }
    // About's rows ask for Arial; where it is missing (Wine, a system without
    // fontconfig's aliases) the face of its metrics, rather than whatever
    // face comes first.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (folder.isEmpty()) {
        return;
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(file);
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
}

void chooseWindowsLook()
{
#ifdef Q_OS_WIN
    // A -platform or -style on the command line still wins over these.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=gdi");
    }
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        qputenv("QT_STYLE_OVERRIDE", "windowsvista");
    }
#endif
}

QFont formFont()
{
    ensureFonts();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(kFormPointSize);
    font.setWeight(QFont::Normal);  // set, so that none of a parent's bold or italic shows through
    font.setItalic(false);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool atDesignDensity = screen == nullptr || (screen->devicePixelRatio() == 1.0 &&
                                                       qRound(screen->logicalDotsPerInch()) == 96);
    // Whether a face called MS Sans Serif scales cannot be asked: Qt calls Wine's bitmap face
    // smoothly scalable on Windows and then draws it at its one size. Tahoma has its metrics.
    if (isInstalled(font) && atDesignDensity) {
        return font;
    }
    font.setFamily(QStringLiteral("Tahoma"));
    if (!isInstalled(font)) {
        font.setFamily(QStringLiteral("Arial"));  // on Linux, Liberation Sans has its metrics
        font.setStyleHint(QFont::SansSerif);
    }
    const qreal width = QFontMetricsF(font).horizontalAdvance(QLatin1String(kCaptions));
    if (width > kCaptionsWidth) {
        font.setPointSizeF(kFormPointSize * kCaptionsWidth / width);
    }
    return font;
}

}  // namespace vovodi
