#include <QApplication>

#include "app/app_info.hpp"
#include "ui/main/form1.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
    vovodi::Form1 window(dialogs, desktop);
    window.show();
    return QApplication::exec();
}
