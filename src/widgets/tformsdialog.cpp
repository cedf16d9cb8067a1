#include "widgets/tformsdialog.h"

#include "widgets/fenetrefixe.h"

TFormsDialog::TFormsDialog(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "FormsDialog", QString(), QSize(289, 162), QColor(),
                          FenetreFixe::police(QStringLiteral("Verdana"), 8));
}
