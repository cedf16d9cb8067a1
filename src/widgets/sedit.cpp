#include "widgets/sedit.h"

SEdit::SEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void SEdit::setText(const QString &texte)
{
    QLineEdit::setText(texte);
    // A text the program writes into a field the user is not in is shown from its start,
    // not scrolled to its end.
    if (!hasFocus())
        setCursorPosition(0);
}
