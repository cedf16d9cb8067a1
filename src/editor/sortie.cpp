#include "editor/sortie.h"

#include "letter/casse.h"
#include "document/courriel.h"
#include "document/enregistrement.h"
#include "document/impression.h"
#include "document/rtf.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace {

std::function<QString(QFileDialog &)> g_reponseEnregistrement;
std::function<bool(QPrintDialog &, QPrinter &)> g_reponseImpression;
std::function<QStringList()> g_imprimantes;

const QString Prefixe = QStringLiteral("Lettre_de_motivation");

} // namespace

QString NomFichierLettre(const QString &nomDeFamille)
{
    const QString nom = ChangerCasse(nomDeFamille, 0, true);
    return nom.isEmpty() ? Prefixe : Prefixe + u'_' + nom;
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

const QStringList &FiltresEnregistrement()
{
    static const QStringList filtres{QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("Texte enrichi (*.rtf)"),
                                     QStringLiteral("Document OpenDocument (*.odt)")};
    return filtres;
}

namespace {

FormatFichier formatDuFiltre(const QString &filtre)
{
    const qsizetype i = FiltresEnregistrement().indexOf(filtre);
    return i == 0 ? FormatFichier::Pdf : i == 2 ? FormatFichier::Odt : FormatFichier::Rtf;
}

} // namespace

QFileDialog *PreparerDialogueEnregistrement(QWidget *parent, const QString &nomDeFamille)
{
    auto *dialogue = new QFileDialog(parent);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setFileMode(QFileDialog::AnyFile);
    dialogue->setWindowTitle(QStringLiteral("Enregistrer la lettre de motivation sous..."));
    dialogue->setNameFilters(FiltresEnregistrement());
    dialogue->selectNameFilter(FiltresEnregistrement().at(1));
    dialogue->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogue->setDirectory(dossierEnregistrement());
    dialogue->selectFile(NomFichierSurDisque(nomDeFamille));
    return dialogue;
}

void RemplacerDialogueEnregistrement(std::function<QString(QFileDialog &)> reponse)
{
    g_reponseEnregistrement = std::move(reponse);
}

bool EnregistrerLettre(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille,
                       const QString &auteur)
{
    const std::unique_ptr<QFileDialog> dialogue(PreparerDialogueEnregistrement(parent, nomDeFamille));
    QString chemin;
    if (g_reponseEnregistrement)
        chemin = g_reponseEnregistrement(*dialogue);
    else if (dialogue->exec() == QDialog::Accepted)
        chemin = dialogue->selectedFiles().value(0);
    if (chemin.isEmpty())
        return false;
    // The extension typed decides, otherwise the chosen filter, whose extension is added.
    const FormatFichier format = FormatDuChemin(chemin, formatDuFiltre(dialogue->selectedNameFilter()));
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += u'.' + ExtensionDe(format);
    QString erreur;
    if (!EnregistrerDocument(lettre, chemin, format, QFileInfo(chemin).completeBaseName(), auteur, &erreur)) {
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

void RemplacerImprimantes(std::function<QStringList()> imprimantes)
{
    g_imprimantes = std::move(imprimantes);
}

bool ImprimerLettre(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille,
                    const std::function<QRect(const QPrinter &)> &rectanglePage, QStringList *echec)
{
    const auto signaler = [echec](const QString &ligne1, const QString &ligne2) {
        if (echec)
            *echec = QStringList{ligne1, ligne2};
    };
    const QStringList imprimantes = g_imprimantes ? g_imprimantes() : QPrinterInfo::availablePrinterNames();
    if (imprimantes.isEmpty()) {
        signaler(QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur."),
                 QStringLiteral("Enregistrez la lettre pour l'imprimer depuis un autre poste."));
        return false;
    }
    QPrinter imprimante(QPrinter::HighResolution);
    const std::unique_ptr<QPrintDialog> dialogue(PreparerDialogueImpression(&imprimante, parent));
    const bool accepte = g_reponseImpression ? g_reponseImpression(*dialogue, imprimante)
                                             : dialogue->exec() == QDialog::Accepted;
    if (!accepte)
        return false;
    // The letter is laid out for a portrait page, whatever was chosen in the dialog.
    imprimante.setPageOrientation(QPageLayout::Portrait);
    if (!ImprimerDocument(lettre, imprimante, NomFichierLettre(nomDeFamille), rectanglePage(imprimante))) {
        signaler(QStringLiteral("L'impression de la lettre sur %1 a échoué.")
                     .arg(imprimante.printerName().isEmpty() ? QStringLiteral("cette imprimante")
                                                             : imprimante.printerName()),
                 QStringLiteral("Vérifiez l'imprimante, puis réessayez."));
        return false;
    }
    return true;
}

QString OuvrirDansTraitementDeTexte(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille)
{
    QString erreur;
    const QString dossier = DossierTemporaire(&erreur);
    if (dossier.isEmpty()) {
        AfficherErreurStandard(parent, erreur);
        return {};
    }
    const QString chemin = dossier + NomFichierSurDisque(nomDeFamille) + QStringLiteral(".rtf");
    if (!EnregistrerRtf(lettre, chemin, &erreur)) {
        AfficherErreurStandard(parent, erreur);
        return {};
    }
    OuvrirAvecShell(QUrl::fromLocalFile(chemin));
    return chemin;
}

bool EnvoyerParCourriel(QWidget *parent, const QTextDocument &lettre, const QString &sujet)
{
    const QUrl adresse = AdresseCourriel(sujet, ParagraphesDeLaLettre(lettre));
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
