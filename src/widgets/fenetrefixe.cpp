#include "widgets/fenetrefixe.h"

#include "platform/systeme.h"
#include "widgets/ecran.h"

namespace FenetreFixe {

void preparer(QWidget *fenetre, const char *nom, const QString &titre, QSize client, QColor fond,
              const QFont &police)
{
    fenetre->setObjectName(QString::fromLatin1(nom));
    fenetre->setWindowTitle(titre);
    fenetre->setFixedSize(client);
    CentrerSurBureau(fenetre);
    if (fond.isValid()) {
        fenetre->setAutoFillBackground(true);
        QPalette palette = fenetre->palette();
        palette.setColor(QPalette::Window, fond);
        fenetre->setPalette(palette);
    }
    fenetre->setFont(police);
}

QFont police(const QString &famille, int points)
{
    QFont f(famille);
    f.setPointSize(points);
    return f;
}

QFont policePixels(const QString &famille, int pixels, bool gras, bool italique)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

} // namespace FenetreFixe
