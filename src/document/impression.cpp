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

bool DessinerPages(const QTextDocument &lettre, QPagedPaintDevice &appareil, const QRect &page)
{
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    // A copy laid out for the device: its own resolution, no margin of its own, pages the
    // size of the rectangle, the indents set again from the letter's points.
    const std::unique_ptr<QTextDocument> copie = FormatLettre::copieALEchelle(lettre, appareil.logicalDpiX() / 72.0);
    copie->setDocumentMargin(0);
    // No ligatures on paper: "effectuer" stays six letters for whoever reads or searches the
    // text out of a PDF (recruiters' software does).
    QTextCursor tout(copie.get());
    tout.select(QTextCursor::Document);
    QTextCharFormat sansLigature;
    sansLigature.setFontStyleStrategy(QFont::PreferNoShaping);
    tout.mergeCharFormat(sansLigature);
    copie->documentLayout()->setPaintDevice(&appareil);
    copie->setPageSize(QSizeF(page.size()));

    QPainter peintre;
    if (!peintre.begin(&appareil))
        return false;
    // Line by line: the layout moves a line that would cross the foot of a page onto the
    // next one, and each page draws only its own lines. (Drawing the whole layout under a
    // clip would leave the lines of the page before in the job, hidden but still there.)
    const int pages = copie->pageCount();
    const qreal hauteur = page.height();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !appareil.newPage()) {
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

bool ImprimerDocument(const QTextDocument &lettre, QPrinter &imprimante, const QString &nomDocument, const QRect &page)
{
    imprimante.setDocName(nomDocument);
    return DessinerPages(lettre, imprimante, page);
}
