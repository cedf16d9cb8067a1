#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

class QFont;
class QLabel;
class QWidget;
class SBitBtn;
class SComboBox;
class SEdit;

// The controls of the windows, made with their name, place and size in one call.
namespace Controles {

// A caption sized to its text; bold sets only the weight, the rest comes from the window.
QLabel *label(QWidget *parent, const char *nom, const QString &texte, int x, int y, bool gras = false);
// A caption in its own font and colour, as plain text, sized to its text at (x, y).
QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, const QFont &police, int x = 0, int y = 0,
                  const QColor &couleur = Qt::black);
SBitBtn *bouton(QWidget *parent, const char *nom, const QString &glyphe, const QString &indication, QRect place);
SComboBox *liste(QWidget *parent, const char *nom, const QStringList &items, QRect place);
SEdit *edit(QWidget *parent, const char *nom, QRect place);

} // namespace Controles
