#include "widgets/tform3.h"

#include "widgets/fenetrefixe.h"

TForm3::TForm3(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "Form3", QStringLiteral("A propos de Vendelair..."), QSize(792, 502),
                          QColor(0xE0, 0xE6, 0xE8), FenetreFixe::police(QStringLiteral("Tahoma"), 9));
}
