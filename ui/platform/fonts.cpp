#include "ui/platform/fonts.hpp"

#include <QFile>
#include <QFontDatabase>
#include <QString>

namespace vovodi {

void ensureFonts()
{
    // Wine's free Tahoma and MS Sans Serif, where Debian's fonts-wine has put
    // them (outside fontconfig's search path). Adding them without first
    // asking the font database what it has saves a full enumeration of the
    // system's fonts at start-up; a system that has the real faces simply
    // has no such files, or both, and then either serves.
    static const bool done = [] {
        for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"}) {
            const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
            if (QFile::exists(path)) {
                QFontDatabase::addApplicationFont(path);
            }
        }
        return true;
    }();
    Q_UNUSED(done);
}

}  // namespace vovodi
