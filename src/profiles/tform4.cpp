#include "profiles/tform4.h"

#include "widgets/fenetrefixe.h"
#include "widgets/spanel.h"

TForm4::TForm4(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "Form4", QStringLiteral("Un peu d'aide..."), QSize(593, 333),
                          QColor(224, 230, 232), QFont(QStringLiteral("Tahoma")));

    PanWelcome = new SPanel(this);
    PanWelcome->setObjectName(QStringLiteral("PanWelcome"));
    PanWelcome->setGeometry(0, 0, 593, 333);
    PanWelcome->hide();
}
