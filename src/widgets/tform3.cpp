#include "widgets/tform3.h"

#include "platform/systeme.h"

TForm3::TForm3(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("A propos de Vendelair..."));
    setFixedSize(792, 502);
    CentrerSurBureau(this);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0xE0, 0xE6, 0xE8));
    setPalette(fond);
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(9);
    setFont(police);
}
