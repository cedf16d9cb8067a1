#include "widgets/controles.h"

#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"

#include <QLabel>

namespace Controles {

QLabel *label(QWidget *parent, const char *nom, const QString &texte, int x, int y, bool gras)
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    if (gras) {
        QFont f;
        f.setBold(true);
        l->setFont(f);
    }
    l->move(x, y);
    l->ensurePolished(); // measured with the font it will be drawn with
    l->adjustSize();
    return l;
}

QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, const QFont &police, int x, int y,
                  const QColor &couleur)
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setTextFormat(Qt::PlainText);
    l->setFont(police);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    l->move(x, y);
    l->adjustSize();
    return l;
}

SBitBtn *bouton(QWidget *parent, const char *nom, const QString &glyphe, const QString &indication, QRect place)
{
    auto *b = new SBitBtn(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setGlyphe(glyphe);
    b->setToolTip(indication);
    b->setGeometry(place);
    return b;
}

SComboBox *liste(QWidget *parent, const char *nom, const QStringList &items, QRect place)
{
    auto *c = new SComboBox(parent);
    c->setObjectName(QString::fromLatin1(nom));
    c->addItems(items);
    c->setGeometry(place);
    return c;
}

SEdit *edit(QWidget *parent, const char *nom, QRect place)
{
    auto *e = new SEdit(parent);
    e->setObjectName(QString::fromLatin1(nom));
    e->setGeometry(place);
    return e;
}

} // namespace Controles
