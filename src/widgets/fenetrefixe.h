#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QWidget>

// The program's dialogs: a fixed client size, a title bar with only a close box, their own
// background and font, centred on the desktop.
namespace FenetreFixe {

inline constexpr Qt::WindowFlags Drapeaux =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void preparer(QWidget *fenetre, const char *nom, const QString &titre, QSize client, QColor fond,
              const QFont &police);

QFont police(const QString &famille, int points);
// A font sized in pixels, as the windows' captions and fields are.
QFont policePixels(const QString &famille, int pixels, bool gras = false, bool italique = false);

} // namespace FenetreFixe
