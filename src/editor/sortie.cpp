#include "editor/sortie.h"

#include "letter/casse.h"
#include "editor/editor.h"
#include "editor/rtf.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace {

std::function<QString(QFileDialog &)> g_reponseEnregistrement;
std::function<bool(QPrintDialog &, QPrinter &)> g_reponseImpression;

const QString Prefixe = QStringLiteral("Lettre_de_motivation_");

} // namespace

QString NomFichierLettre(const QString &nomDeFamille)
{
    return Prefixe + ChangerCasse(nomDeFamille, 0, true);
}

QString NomFichierSurDisque(const QString &nomDeFamille)
{
    QString nom = NomFichierLettre(nomDeFamille);
    nom.replace(QLatin1Char('/'), QLatin1Char('_'));
    nom.remove(QChar(0));
    return nom;
}

namespace {

// Where the save dialog opens: the folder of the last letter saved during this run, at
// first the user's documents. Never the working folder the corpus is installed in, which
// is private and temporary: a letter saved there would be lost at the end of the session.
QString g_dernierDossier;

QString dossierEnregistrement()
{
    if (!g_dernierDossier.isEmpty() && QDir(g_dernierDossier).exists())
        return g_dernierDossier;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

QFileDialog *PreparerDialogueEnregistrement(QWidget *parent, const QString &nomDeFamille)
{
    auto *dialogue = new QFileDialog(parent);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setFileMode(QFileDialog::AnyFile);
    dialogue->setWindowTitle(QStringLiteral("Enregistrer la lettre de motivation sous..."));
    dialogue->setDefaultSuffix(QStringLiteral("rtf"));
    dialogue->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogue->setDirectory(dossierEnregistrement());
    dialogue->selectFile(NomFichierSurDisque(nomDeFamille));
    return dialogue;
}

void RemplacerDialogueEnregistrement(std::function<QString(QFileDialog &)> reponse)
{
    g_reponseEnregistrement = std::move(reponse);
}

bool EnregistrerLettre(QWidget *parent, const Editor &editeur, const QString &nomDeFamille)
{
    const std::unique_ptr<QFileDialog> dialogue(PreparerDialogueEnregistrement(parent, nomDeFamille));
    QString chemin;
    if (g_reponseEnregistrement)
        chemin = g_reponseEnregistrement(*dialogue);
    else if (dialogue->exec() == QDialog::Accepted)
        chemin = dialogue->selectedFiles().value(0);
    if (chemin.isEmpty())
        return false;
    QString erreur;
    if (!EnregistrerRtf(editeur, chemin, &erreur)) {
        AfficherErreurStandard(parent, erreur);
        return false;
    }
    g_dernierDossier = QFileInfo(chemin).absolutePath();
    return true;
}

QPrintDialog *PreparerDialogueImpression(QPrinter *imprimante, QWidget *parent)
{
    auto *dialogue = new QPrintDialog(imprimante, parent);
    dialogue->setOption(QAbstractPrintDialog::PrintToFile, false);
    dialogue->setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogue->setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogue->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialogue;
}

void RemplacerDialogueImpression(std::function<bool(QPrintDialog &, QPrinter &)> reponse)
{
    g_reponseImpression = std::move(reponse);
}

bool ImprimerDocument(const Editor &editeur, QPrinter &imprimante, const QString &nomDocument, const QRect &page)
{
    if (page.width() <= 0 || page.height() <= 0)
        return false;
    imprimante.setDocName(nomDocument);

    // A copy laid out for the printer: its own resolution, no margin of its own, pages the
    // size of the rectangle. Indents are in layout units, so they are set again from the
    // letter's points at the printer's resolution.
    const QTextDocument *original = editeur.document();
    const std::unique_ptr<QTextDocument> copie(original->clone());
    copie->setDocumentMargin(0);
    copie->documentLayout()->setPaintDevice(&imprimante);
    const qreal unitesParPoint = imprimante.logicalDpiX() / 72.0;
    QTextCursor curseur(copie.get());
    for (QTextBlock o = original->begin(), c = copie->begin(); o.isValid() && c.isValid(); o = o.next(), c = c.next()) {
        const AttributsParagraphe p = editeur.paragrapheDuBloc(o);
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

bool ImprimerLettre(QWidget *parent, const Editor &editeur, const QString &nomDeFamille,
                    const std::function<QRect(const QPrinter &)> &rectanglePage)
{
    QPrinter imprimante(QPrinter::HighResolution);
    const std::unique_ptr<QPrintDialog> dialogue(PreparerDialogueImpression(&imprimante, parent));
    const bool accepte = g_reponseImpression ? g_reponseImpression(*dialogue, imprimante)
                                             : dialogue->exec() == QDialog::Accepted;
    if (!accepte)
        return false;
    // The letter is laid out for a portrait page, whatever was chosen in the dialog.
    imprimante.setPageOrientation(QPageLayout::Portrait);
    if (!ImprimerDocument(editeur, imprimante, NomFichierLettre(nomDeFamille), rectanglePage(imprimante))) {
        AfficherErreurStandard(parent, QStringLiteral("Impossible d'imprimer la lettre sur %1.")
                                           .arg(imprimante.printerName().isEmpty() ? QStringLiteral("cette imprimante")
                                                                                   : imprimante.printerName()));
        return false;
    }
    return true;
}

QString OuvrirDansTraitementDeTexte(QWidget *parent, const Editor &editeur, const QString &nomDeFamille)
{
    QString erreur;
    const QString dossier = DossierTemporaire(&erreur);
    if (dossier.isEmpty()) {
        AfficherErreurStandard(parent, erreur);
        return {};
    }
    const QString chemin = dossier + NomFichierSurDisque(nomDeFamille) + QStringLiteral(".rtf");
    if (!EnregistrerRtf(editeur, chemin, &erreur)) {
        AfficherErreurStandard(parent, erreur);
        return {};
    }
    OuvrirAvecShell(QUrl::fromLocalFile(chemin));
    return chemin;
}

QStringList LignesDeLaLettre(const Editor &editeur)
{
    QStringList lignes;
    const int n = editeur.nombreDeLignes();
    lignes.reserve(n);
    for (int i = 0; i < n; ++i)
        lignes.append(editeur.ligne(i));
    return lignes;
}

QUrl AdresseCourriel(const QString &sujet, const QStringList &lignes)
{
    // A subject is one line.
    static const QRegularExpression sautsDeLigne(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    const QString uneLigne = QString(sujet).replace(sautsDeLigne, QStringLiteral(" ")).trimmed();
    QByteArray adresse = QByteArray("mailto:") + DestinataireCourriel + "?subject="
                       + QUrl::toPercentEncoding(uneLigne) + "&body=";
    for (const QString &ligne : lignes)
        adresse += QUrl::toPercentEncoding(ligne) + "%0D%0A";
    return QUrl::fromEncoded(adresse, QUrl::StrictMode);
}

bool EnvoyerParCourriel(QWidget *parent, const Editor &editeur, const QString &sujet)
{
    const QUrl adresse = AdresseCourriel(sujet, LignesDeLaLettre(editeur));
    // E-mail programs and the desktop refuse addresses much longer than this.
    if (adresse.toEncoded().size() > LongueurMaximaleCourriel) {
        AfficherErreurStandard(parent, QStringLiteral("La lettre est trop longue pour être confiée à votre messagerie. "
                                                      "Enregistrez-la plutôt, puis joignez le fichier à votre message."));
        return false;
    }
    if (!OuvrirAvecShell(adresse)) {
        AfficherErreurStandard(parent, QStringLiteral("Aucune messagerie n'a pu être ouverte. Enregistrez la lettre, "
                                                      "puis joignez le fichier à votre message."));
        return false;
    }
    return true;
}
