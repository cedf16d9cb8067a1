#include "widgets/scheckbox.h"

SCheckBox::SCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
}

SCheckBox::SCheckBox(const QString &texte, QWidget *parent)
    : QCheckBox(texte, parent)
{
}
