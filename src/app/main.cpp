#include "app/demarrage.h"
#include "widgets/skin.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendelair"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vendelair"));
    // Closing the main window ends the program, whatever else is open; the help window
    // alone, at the first start, ends it too when it is closed.
    Skin::appliquer(app);
    CreerFenetres();
    const int code = QApplication::exec();
    DetruireFenetres();
    return code;
}
