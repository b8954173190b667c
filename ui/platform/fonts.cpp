#include "ui/platform/fonts.hpp"

#include <QFontDatabase>
#include <QStringList>

namespace vovodi {

void ensureFonts()
{
    static const bool done = [] {
        const QStringList families = QFontDatabase::families();
        const struct {
            const char* family;
            QStringList files;
        } wanted[] = {
            {"Tahoma", {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}},
            {"MS Sans Serif", {QStringLiteral("ms_sans_serif.ttf")}},
        };
        for (const auto& w : wanted) {
            if (families.contains(QLatin1String(w.family), Qt::CaseInsensitive)) {
                continue;
            }
            for (const QString& file : w.files) {
                QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + file);
            }
        }
        return true;
    }();
    Q_UNUSED(done);
}

}  // namespace vovodi
