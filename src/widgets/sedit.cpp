#include "widgets/sedit.h"

SEdit::SEdit(QWidget *parent)
    : QLineEdit(parent)
{
}
