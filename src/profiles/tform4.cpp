#include "profiles/tform4.h"

#include "platform/systeme.h"

#include "widgets/spanel.h"

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Un peu d'aide..."));
    setFixedSize(593, 333);
    CentrerSurBureau(this);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(224, 230, 232));
    setPalette(fond);
    setFont(QFont(QStringLiteral("Tahoma")));

    PanWelcome = new SPanel(this);
    PanWelcome->setObjectName(QStringLiteral("PanWelcome"));
    PanWelcome->setGeometry(0, 0, 593, 333);
    PanWelcome->hide();
}
