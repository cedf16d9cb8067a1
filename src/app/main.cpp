#include "app/demarrage.h"
#include "platform/systeme.h"
#include "widgets/skin.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendelair"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vendelair.Vendelair"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/images/icone.svg")));
    // Closing the main window ends the program, whatever else is open. Closing the help
    // window or the profile editor always shows the next window first, so the program
    // never runs out of windows on the way.
    if (QCoreApplication::arguments().contains(QStringLiteral("--essai-enregistrement")))
        return EssaiEnregistrement();
    ChargerTraductionsQt();
    Skin::appliquer(app);
    CreerFenetres();
    const int code = QApplication::exec();
    DetruireFenetres();
    return code;
}
