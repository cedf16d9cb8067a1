#include "widgets/tformsdialog.h"

#include "platform/systeme.h"

TFormsDialog::TFormsDialog(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormsDialog"));
    setFixedSize(289, 162);
    CentrerSurBureau(this);
    QFont police(QStringLiteral("Verdana"));
    police.setPointSize(8);
    setFont(police);
}
