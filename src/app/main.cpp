#include "app/unitPrincipal.h"
#include "ui/guard.h"

#include <QLocale>

int main(int argc, char *argv[])
{
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sgcbm"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sistema de Gerenciamento - CBM-QZ"));
    QApplication::setApplicationVersion(TfrmPrincipal::kVersao);
    // Dates, numbers and dialogs in the section's regional format.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    TfrmPrincipal principal(QCoreApplication::applicationDirPath());
    if (principal.ended())
        return 1;
    principal.showMaximized();
    return app.exec();
}
