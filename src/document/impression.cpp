#include "document/impression.h"

#include "letter/formatlettre.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

bool ImprimerDocument(const QTextDocument &lettre, QPrinter &imprimante, const QString &nomDocument, const QRect &page)
{
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    imprimante.setDocName(nomDocument);

    // A copy laid out for the printer: its own resolution, no margin of its own, pages the
    // size of the rectangle. Indents are in layout units, so they are set again from the
    // letter's points at the printer's resolution.
    const QTextDocument *original = &lettre;
    const std::unique_ptr<QTextDocument> copie(original->clone());
    copie->setDocumentMargin(0);
    copie->documentLayout()->setPaintDevice(&imprimante);
    const qreal unitesParPoint = imprimante.logicalDpiX() / 72.0;
    QTextCursor curseur(copie.get());
    for (QTextBlock o = original->begin(), c = copie->begin(); o.isValid() && c.isValid(); o = o.next(), c = c.next()) {
        const AttributsParagraphe p = FormatLettre::paragrapheDuBloc(o);
        // Nothing shows left of the text area: an indent that would go there starts at 0.
        const int premiere = std::max(0, p.premiereLigne);
        const int suivantes = std::max(0, p.premiereLigne + p.gauche);
        QTextBlockFormat f = c.blockFormat();
        f.setLeftMargin(suivantes * unitesParPoint);
        f.setTextIndent((premiere - suivantes) * unitesParPoint);
        f.setRightMargin(std::max(0, p.droite) * unitesParPoint);
        curseur.setPosition(c.position());
        curseur.setBlockFormat(f);
    }
    copie->setPageSize(QSizeF(page.size()));

    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    // Line by line: the layout moves a line that would cross the foot of a page onto the
    // next one, and each page draws only its own lines. (Drawing the whole layout under a
    // clip would leave the lines of the page before in the job, hidden but still there.)
    const int pages = copie->pageCount();
    const qreal hauteur = page.height();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !imprimante.newPage()) {
            peintre.end();
            return false;
        }
        const qreal haut = i * hauteur;
        peintre.save();
        peintre.translate(page.left(), page.top() - haut);
        peintre.setClipRect(QRectF(0, haut, page.width(), hauteur));
        peintre.setPen(Qt::black); // the automatic colour
        for (QTextBlock b = copie->begin(); b.isValid(); b = b.next()) {
            const QTextLayout *mise = b.layout();
            if (!b.isVisible() || !mise)
                continue;
            for (int n = 0; n < mise->lineCount(); ++n) {
                const QTextLine ligne = mise->lineAt(n);
                const qreal y = mise->position().y() + ligne.y();
                if (y >= haut - 0.5 && y < haut + hauteur - 0.5)
                    ligne.draw(&peintre, mise->position());
            }
        }
        peintre.restore();
    }
    return peintre.end();
}
