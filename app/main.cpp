#include <QApplication>

#include "app/app_info.hpp"
#include "ui/main/form1.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"

namespace {

QString fromView(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(fromView(vovodi::app::kTitle));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3.%4")
                                            .arg(vovodi::app::kVersionMajor)
                                            .arg(vovodi::app::kVersionMinor)
                                            .arg(vovodi::app::kVersionBuild)
                                            .arg(vovodi::app::kVersionRevision));
    QApplication::setOrganizationName(fromView(vovodi::app::kCompany));
    QGuiApplication::setDesktopFileName(fromView(vovodi::app::kAppId));

    vovodi::QtDialogs dialogs;
    vovodi::SystemDesktop desktop;
    vovodi::Form1 window(dialogs, desktop);
    window.show();
    return QApplication::exec();
}
