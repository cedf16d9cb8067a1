#include "editor/editor.h"

#include "letter/adresses.h"
#include "letter/orthographe.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"

#include <QAbstractTextDocumentLayout>
#include <QAbstractUndoItem>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int ZoomMinimum = 10;
constexpr int ZoomMaximum = 500;
constexpr int MargeDocument = 2;
constexpr QChar SeparateurParagraphe(0x2029);
constexpr QChar SeparateurLigne(0x2028);

const QColor CouleurLien(0x2E, 0x5C, 0x9E);

using FormatLettre::aDesRetraitsEnPoints;
using FormatLettre::alignementQt;
using FormatLettre::ecrireAttributs;
using FormatLettre::ecrireRetraits;

struct Lien
{
    int debut = 0;
    int longueur = 0;
    QUrl cible;
};

QUrl cibleDuLien(const QString &texte)
{
    if (!texte.contains(u"://") && texte.contains(u'@'))
        return QUrl(QStringLiteral("mailto:") + texte);
    if (texte.startsWith(u"www.", Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + texte, QUrl::TolerantMode);
    return QUrl(texte, QUrl::TolerantMode);
}

// The link whose characters cover a position within a paragraph's text, touching its end
// included (a click on the right half of its last letter gives the position after it).
std::optional<Lien> lienA(const QString &texte, int position)
{
    auto it = ExpressionAdresses().globalMatch(texte);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() <= position && position <= m.capturedEnd())
            return Lien{int(m.capturedStart()), int(m.capturedLength()), cibleDuLien(m.captured())};
    }
    return std::nullopt;
}

// Links show underlined in a muted blue, words the dictionary does not know with a red
// wavy line; the marks live in the layout only, so the letter itself, its undo history and
// everything made from it (files, paper, e-mail) never see them.
class Surligneur : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

    std::shared_ptr<Orthographe> orthographe;
    bool verifier = false;

protected:
    void highlightBlock(const QString &texte) override
    {
        if (verifier && orthographe) {
            QTextCharFormat faute;
            faute.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
            faute.setUnderlineColor(QColor(0xD0, 0x10, 0x10));
            for (const Orthographe::Faute &f : orthographe->fautes(texte))
                setFormat(f.debut, f.longueur, faute);
        }
        QTextCharFormat lien;
        lien.setFontUnderline(true);
        lien.setForeground(CouleurLien);
        auto it = ExpressionAdresses().globalMatch(texte);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            setFormat(int(m.capturedStart()), int(m.capturedLength()), lien);
        }
    }
};

// Runs a piece of code when Qt undoes it: Qt records nothing while it undoes, which is the
// only way to change formats without leaving a step behind.
class ExecutionAuRetour : public QAbstractUndoItem
{
public:
    explicit ExecutionAuRetour(std::function<void()> action) : m_action(std::move(action)) {}
    void undo() override { m_action(); }
    void redo() override {}

private:
    std::function<void()> m_action;
};

// The same, when Qt redoes it.
class ExecutionAuRetablissement : public QAbstractUndoItem
{
public:
    explicit ExecutionAuRetablissement(std::function<void()> action) : m_action(std::move(action)) {}
    void undo() override {}
    void redo() override { m_action(); }

private:
    std::function<void()> m_action;
};

} // namespace

class Editor::Impl : public QObject
{
public:
    explicit Impl(Editor *editeur) : QObject(editeur), q(editeur), dispositif(1, 1, QImage::Format_RGB32) {}

    Editor *q;
    QTextDocument *doc = nullptr;

    QList<TypeAction> annulations;
    QList<TypeAction> retablissements;
    TypeAction enAttente = Inconnue;
    int profondeurEtape = 0;
    bool silencieux = false;
    int etapesVues = 0;
    int changements = 0;

    Surligneur *surligneur = nullptr;

    int pourcentZoom = 100;
    QImage dispositif; // the layout's paint device: its resolution is the zoom

    bool curseurLien = false;
    struct Etat
    {
        int position = -1;
        int ancre = -1;
        int revision = -1;
        bool operator==(const Etat &) const = default;
    } dernierEtat;

    qreal unitesParPoint() const { return dispositif.logicalDpiY() / 72.0; }

    void regler(int pourcent)
    {
        pourcentZoom = std::clamp(pourcent, ZoomMinimum, ZoomMaximum);
        const double dpi = 96.0 * pourcentZoom / 100.0;
        const int parMetre = int(std::lround(dpi / 0.0254));
        dispositif.setDotsPerMeterX(parMetre);
        dispositif.setDotsPerMeterY(parMetre);
        doc->documentLayout()->setPaintDevice(&dispositif);
        FormatLettre::definirUnitesParPoint(*doc, unitesParPoint());
    }

    // Paragraphs that came in from elsewhere carry Qt's margins only, read at the zoom.
    AttributsParagraphe paragraphe(const QTextBlockFormat &f) const
    {
        return FormatLettre::paragraphe(f, unitesParPoint());
    }

    // Gives every paragraph the margins its points ask for at the current zoom; true when
    // one of them changed.
    bool reporterRetraits(bool verifierSeulement = false)
    {
        bool change = false;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const QTextBlockFormat actuel = b.blockFormat();
            if (!aDesRetraitsEnPoints(actuel))
                continue;
            QTextBlockFormat voulu = actuel;
            ecrireRetraits(voulu, paragraphe(actuel), unitesParPoint());
            if (voulu == actuel)
                continue;
            change = true;
            if (verifierSeulement)
                return true;
            QTextCursor(b).setBlockFormat(voulu);
        }
        return change;
    }

    // Changes the document without an undo step: what could be redone is lost.
    void horsHistorique(const std::function<void()> &action)
    {
        if (!doc->isUndoRedoEnabled()) {
            action();
            return;
        }
        const bool modifie = doc->isModified();
        silencieux = true;
        doc->appendUndoItem(new ExecutionAuRetour(action));
        doc->undo();
        doc->clearUndoRedoStacks(QTextDocument::RedoStack);
        silencieux = false;
        retablissements.clear();
        doc->setModified(modifie);
    }

    // One undo step of a known kind. Qt brings back the formats a step had when it was
    // recorded, so each step undone or redone ends by fitting the margins to the zoom.
    template <typename Operation>
    void etape(TypeAction type, Operation &&operation)
    {
        const bool exterieure = profondeurEtape++ == 0;
        if (exterieure)
            enAttente = type;
        const int etapesAvant = etapesVues;
        const int changementsAvant = changements;
        QPointer<Impl> moi(this);
        auto ajuster = [moi] {
            if (moi)
                moi->reporterRetraits();
        };
        QTextCursor bloc = q->textCursor();
        bloc.beginEditBlock();
        doc->appendUndoItem(new ExecutionAuRetour(ajuster));
        operation();
        doc->appendUndoItem(new ExecutionAuRetablissement(ajuster));
        bloc.endEditBlock();
        if (!exterieure) {
            --profondeurEtape;
            return;
        }
        --profondeurEtape;
        enAttente = Inconnue;
        if (changements == changementsAvant && doc->isUndoAvailable()) {
            // Nothing happened: take the empty step back out.
            const bool modifie = doc->isModified();
            silencieux = true;
            doc->undo();
            doc->clearUndoRedoStacks(QTextDocument::RedoStack);
            silencieux = false;
            doc->setModified(modifie);
            if (etapesVues != etapesAvant && !annulations.isEmpty())
                annulations.removeLast();
        }
    }

    void etapeAjoutee()
    {
        if (silencieux)
            return;
        ++etapesVues;
        annulations.append(enAttente);
        while (annulations.size() > LimiteAnnulation)
            annulations.removeFirst();
        retablissements.clear();
    }

    void oublierHistorique()
    {
        doc->clearUndoRedoStacks();
        annulations.clear();
        retablissements.clear();
    }

    // One step over the paragraphs the selection touches (not the one it merely ends at
    // the start of); none when nothing changes.
    template <typename Changement>
    void changerParagraphes(Changement &&changement)
    {
        const QTextCursor c = q->textCursor();
        const QTextBlock premier = doc->findBlock(c.selectionStart());
        QTextBlock dernier = doc->findBlock(c.selectionEnd());
        if (c.hasSelection() && dernier != premier && c.selectionEnd() == dernier.position())
            dernier = dernier.previous();
        QList<QPair<QTextBlock, QTextBlockFormat>> nouveaux;
        for (QTextBlock b = premier; b.isValid(); b = b.next()) {
            QTextBlockFormat f = b.blockFormat();
            changement(f);
            if (f != b.blockFormat())
                nouveaux.append({b, f});
            if (b == dernier)
                break;
        }
        if (nouveaux.isEmpty())
            return;
        etape(Inconnue, [&] {
            for (const auto &[bloc, format] : std::as_const(nouveaux))
                QTextCursor(bloc).setBlockFormat(format);
        });
    }

    // Paragraphs pasted or dropped from elsewhere get their indents in points.
    void adopterParagraphes(int debut, int fin)
    {
        for (QTextBlock b = doc->findBlock(debut); b.isValid() && b.position() <= fin; b = b.next()) {
            QTextBlockFormat f = b.blockFormat();
            if (aDesRetraitsEnPoints(f) || (f.leftMargin() == 0 && f.textIndent() == 0 && f.rightMargin() == 0))
                continue;
            ecrireRetraits(f, paragraphe(f), unitesParPoint());
            QTextCursor(b).setBlockFormat(f);
        }
    }

    void signalerSelection(bool toujours = false)
    {
        const QTextCursor c = q->textCursor();
        const Etat etat{c.position(), c.anchor(), doc->revision()};
        if (etat == dernierEtat && !toujours)
            return;
        dernierEtat = etat;
        emit q->selectionModifiee();
    }

    // Lays the whole text out, even in an editor that has never been shown.
    void mettreEnPage() const
    {
        if (!q->isVisible() && q->lineWrapMode() == QTextEdit::WidgetWidth) {
            const int largeur = q->maximumViewportSize().width();
            if (doc->textWidth() != largeur)
                doc->setTextWidth(largeur);
        } else if (doc->pageSize().isNull()) {
            doc->setTextWidth(q->viewport()->width());
        }
        doc->documentLayout()->documentSize();
    }

    template <typename Visiteur>
    void parcourirLignes(Visiteur &&visiteur) const
    {
        mettreEnPage();
        int index = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (!b.isVisible())
                continue;
            const QTextLayout *mise = b.layout();
            const bool dernierVide = !b.next().isValid() && b.length() <= 1;
            if (!mise || dernierVide)
                continue;
            for (int i = 0; i < mise->lineCount(); ++i) {
                const QTextLine l = mise->lineAt(i);
                if (!visiteur(index++, b, l))
                    return;
            }
        }
    }

    std::optional<Lien> lienSous(const QPoint &pointVue) const
    {
        const QPointF point = pointVue + QPointF(q->horizontalScrollBar()->value(), q->verticalScrollBar()->value());
        const int position = doc->documentLayout()->hitTest(point, Qt::ExactHit);
        if (position < 0)
            return std::nullopt;
        const QTextBlock b = doc->findBlock(position);
        auto lien = lienA(b.text(), position - b.position());
        if (lien)
            lien->debut += b.position();
        return lien;
    }
};

Editor::Editor(QWidget *parent)
    : QTextEdit(parent), d(new Impl(this))
{
    d->doc = document();
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setFont(QFont(QStringLiteral("Tahoma"), 11));
    d->doc->setDocumentMargin(MargeDocument);
    d->regler(100);
    d->surligneur = new Surligneur(d->doc);
    viewport()->setMouseTracking(true);

    connect(d->doc, &QTextDocument::undoCommandAdded, d, [this] { d->etapeAjoutee(); });
    connect(d->doc, &QTextDocument::contentsChange, d, [this] { ++d->changements; });
    connect(this, &QTextEdit::cursorPositionChanged, d, [this] { d->signalerSelection(); });
    connect(this, &QTextEdit::selectionChanged, d, [this] { d->signalerSelection(); });
}

int Editor::selStart() const
{
    return textCursor().selectionStart();
}

int Editor::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void Editor::selectionner(int debut, int longueur)
{
    const int derniere = d->doc->characterCount() - 1;
    QTextCursor c(d->doc);
    c.setPosition(std::clamp(debut, 0, derniere));
    c.setPosition(std::clamp(debut + std::max(0, longueur), 0, derniere), QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

void Editor::placerCurseur(int position)
{
    QTextCursor c(d->doc);
    c.setPosition(std::clamp(position, 0, d->doc->characterCount() - 1));
    setTextCursor(c);
}

void Editor::couper()
{
    if (!textCursor().hasSelection() || isReadOnly())
        return;
    d->etape(Couper, [this] { cut(); });
}

void Editor::copier()
{
    copy();
}

void Editor::coller()
{
    paste();
}

void Editor::annuler()
{
    if (!peutAnnuler())
        return;
    d->retablissements.append(d->annulations.takeLast());
    undo();
    // The selection may not have moved while its formats changed back: say so all the same.
    d->signalerSelection(true);
}

void Editor::retablir()
{
    if (!peutRetablir())
        return;
    d->annulations.append(d->retablissements.takeLast());
    redo();
    d->signalerSelection(true);
}

bool Editor::peutAnnuler() const
{
    return !d->annulations.isEmpty() && d->doc->isUndoAvailable();
}

bool Editor::peutRetablir() const
{
    return !d->retablissements.isEmpty() && d->doc->isRedoAvailable();
}

bool Editor::peutColler() const
{
    const QClipboard *pressePapiers = QGuiApplication::clipboard();
    const QMimeData *donnees = pressePapiers ? pressePapiers->mimeData() : nullptr;
    return !isReadOnly() && donnees && canInsertFromMimeData(donnees);
}

Editor::TypeAction Editor::typeAnnulation() const
{
    return peutAnnuler() ? d->annulations.last() : Inconnue;
}

Editor::TypeAction Editor::typeRetablissement() const
{
    return peutRetablir() ? d->retablissements.last() : Inconnue;
}

AttributsTexte Editor::attributsDuFormat(const QTextCharFormat &format) const
{
    return FormatLettre::attributs(format, d->doc->defaultFont());
}

AttributsTexte Editor::attributsSelection() const
{
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return attributsDuFormat(c.charFormat());
    QTextCursor premier(d->doc);
    premier.setPosition(std::min(c.selectionStart() + 1, d->doc->characterCount() - 1));
    return attributsDuFormat(premier.charFormat());
}

void Editor::definirAttributsSelection(const AttributsTexte &a)
{
    const QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = currentCharFormat();
        ecrireAttributs(f, a);
        setCurrentCharFormat(f);
        return;
    }
    const int debut = c.selectionStart();
    const int fin = c.selectionEnd();
    struct Morceau
    {
        int debut, fin;
        QTextCharFormat format;
        bool debutDeParagraphe;
    };
    QList<Morceau> morceaux;
    for (QTextBlock b = d->doc->findBlock(debut); b.isValid() && b.position() < fin; b = b.next()) {
        if (b.position() >= debut) {
            QTextCharFormat f = b.charFormat();
            ecrireAttributs(f, a);
            if (f != b.charFormat())
                morceaux.append({b.position(), b.position(), f, true});
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const int de = std::max(fr.position(), debut);
            const int a_ = std::min(fr.position() + fr.length(), fin);
            if (de >= a_)
                continue;
            QTextCharFormat f = fr.charFormat();
            ecrireAttributs(f, a);
            if (f != fr.charFormat())
                morceaux.append({de, a_, f, false});
        }
    }
    if (morceaux.isEmpty())
        return;
    d->etape(Inconnue, [&] {
        QTextCursor k(d->doc);
        for (const Morceau &m : std::as_const(morceaux)) {
            k.setPosition(m.debut);
            if (m.debutDeParagraphe) {
                k.setBlockCharFormat(m.format);
            } else {
                k.setPosition(m.fin, QTextCursor::KeepAnchor);
                k.setCharFormat(m.format);
            }
        }
    });
}

AttributsTexte Editor::attributsParDefaut() const
{
    return attributsDuFormat(currentCharFormat());
}

void Editor::definirAttributsParDefaut(const AttributsTexte &a)
{
    if (textCursor().hasSelection())
        return;
    QTextCharFormat f = currentCharFormat();
    ecrireAttributs(f, a);
    setCurrentCharFormat(f);
}

AttributsParagraphe Editor::paragrapheDuBloc(const QTextBlock &bloc) const
{
    return d->paragraphe(bloc.blockFormat());
}

AttributsParagraphe Editor::paragrapheSelection() const
{
    return paragrapheDuBloc(d->doc->findBlock(textCursor().selectionStart()));
}

void Editor::definirParagrapheSelection(const AttributsParagraphe &p)
{
    d->changerParagraphes([&](QTextBlockFormat &f) {
        FormatLettre::ecrireParagraphe(f, p, d->unitesParPoint());
    });
}

void Editor::definirRetraitsSelection(std::optional<int> premiereLigne, std::optional<int> gauche,
                                      std::optional<int> droite)
{
    d->changerParagraphes([&](QTextBlockFormat &f) {
        AttributsParagraphe p = d->paragraphe(f);
        p.premiereLigne = premiereLigne.value_or(p.premiereLigne);
        p.gauche = gauche.value_or(p.gauche);
        p.droite = droite.value_or(p.droite);
        ecrireRetraits(f, p, d->unitesParPoint());
    });
}

void Editor::definirAlignementSelection(int alignement)
{
    d->changerParagraphes([&](QTextBlockFormat &f) { f.setAlignment(alignementQt(alignement)); });
}

int Editor::zoom() const
{
    return d->pourcentZoom;
}

void Editor::definirZoom(int pourcent)
{
    if (std::clamp(pourcent, ZoomMinimum, ZoomMaximum) == d->pourcentZoom)
        return;
    d->regler(pourcent);
    if (d->reporterRetraits(true))
        d->horsHistorique([this] { d->reporterRetraits(); });
    d->doc->markContentsDirty(0, d->doc->characterCount());
}

int Editor::nombreDeLignes() const
{
    int nombre = 0;
    d->parcourirLignes([&](int, const QTextBlock &, const QTextLine &) {
        ++nombre;
        return true;
    });
    return nombre;
}

QString Editor::ligne(int index) const
{
    QString texte;
    d->parcourirLignes([&](int i, const QTextBlock &b, const QTextLine &l) {
        if (i < index)
            return true;
        texte = b.text().mid(l.textStart(), l.textLength());
        if (texte.endsWith(SeparateurLigne))
            texte.chop(1);
        return false;
    });
    return texte;
}

void Editor::vider()
{
    clear();
    d->oublierHistorique();
}

void Editor::afficherLettre(const QTextDocument &lettre)
{
    clear();
    setFont(lettre.defaultFont());
    const qreal unites = d->unitesParPoint();
    QTextCursor c(d->doc);
    c.beginEditBlock();
    for (QTextBlock b = lettre.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat format = b.blockFormat();
        if (aDesRetraitsEnPoints(format))
            ecrireRetraits(format, FormatLettre::paragrapheDuBloc(b), unites);
        if (b == lettre.begin()) {
            c.setBlockFormat(format);
            c.setBlockCharFormat(b.charFormat());
        } else {
            c.insertBlock(format, b.charFormat());
        }
        for (auto it = b.begin(); !it.atEnd(); ++it)
            c.insertText(it.fragment().text(), it.fragment().charFormat());
    }
    c.endEditBlock();
    d->oublierHistorique();
    placerCurseur(0);
    d->doc->setModified(false);
}

void Editor::ajouterLigne(const QString &texte)
{
    QTextCursor c = textCursor();
    QTextCharFormat format;
    if (!c.hasSelection() && c.atEnd()) {
        format = c.charFormat();
    } else {
        const QTextCharFormat parDefaut = currentCharFormat();
        c.clearSelection();
        c.movePosition(QTextCursor::End);
        format = c.charFormat();
        const QFont police = parDefaut.font().resolve(d->doc->defaultFont());
        format.setFontFamilies(police.families().isEmpty() ? QStringList{police.family()} : police.families());
        if (police.pointSizeF() > 0)
            format.setFontPointSize(police.pointSizeF());
    }
    c.beginEditBlock();
    if (d->doc->isEmpty())
        c.setBlockCharFormat(format);
    else
        c.insertBlock(c.blockFormat(), format);
    c.insertText(texte, format);
    c.endEditBlock();
    setTextCursor(c);
    d->oublierHistorique();
}

void Editor::definirPoliceDeBase(const QString &police, int points)
{
    points = std::max(1, points);
    setFont(QFont(police, points));
    if (textCursor().hasSelection())
        return;
    QTextCharFormat f = currentCharFormat();
    f.clearProperty(QTextFormat::OldFontFamily);
    f.clearProperty(QTextFormat::FontPixelSize);
    f.setFontFamilies(QStringList{police});
    f.setFontPointSize(points);
    setCurrentCharFormat(f);
}

QString Editor::texteComplet() const
{
    QString texte = d->doc->toRawText();
    for (QChar &ch : texte) {
        if (ch == SeparateurParagraphe || ch == SeparateurLigne)
            ch = u'\n';
    }
    return texte;
}

int Editor::chercher(const QString &texte, int debut, int fin, bool motEntier, bool respecterCasse) const
{
    if (texte.isEmpty())
        return -1;
    QTextDocument::FindFlags options;
    if (motEntier)
        options |= QTextDocument::FindWholeWords;
    if (respecterCasse)
        options |= QTextDocument::FindCaseSensitively;
    const QTextCursor trouve = d->doc->find(texte, std::max(0, debut), options);
    if (trouve.isNull() || (fin >= 0 && trouve.selectionEnd() > fin))
        return -1;
    return trouve.selectionStart();
}

void Editor::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Undo)) {
        annuler();
        return;
    }
    // Ctrl+Y redoes too, as on most desktops.
    if (e->matches(QKeySequence::Redo) || e->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
        retablir();
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        couper();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        coller();
        return;
    }

    const int touche = e->key();
    const bool versLaGauche = touche == Qt::Key_Backspace;
    const bool versLaDroite = touche == Qt::Key_Delete || e->matches(QKeySequence::DeleteEndOfLine)
                              || e->matches(QKeySequence::DeleteCompleteLine);
    const bool nouveauParagraphe = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    const QString texte = e->text();
    const bool frappe = nouveauParagraphe
                        || (!texte.isEmpty() && (texte.at(0).isPrint() || texte.at(0) == u'\t'));
    if (isReadOnly() || (!versLaGauche && !versLaDroite && !frappe)) {
        QTextEdit::keyPressEvent(e);
        return;
    }

    const TypeAction type = (versLaGauche || versLaDroite) ? Suppression : Frappe;
    const QTextCursor c = textCursor();
    // Steps that may take paragraphs away or bring them back carry the margin fitting;
    // plain typing stays unwrapped so that Qt merges it into one step.
    const bool traverseParagraphes = nouveauParagraphe || c.hasSelection()
                                     || (versLaGauche && c.atBlockStart() && !c.atStart())
                                     || (versLaDroite && c.atBlockEnd() && !c.atEnd());
    if (traverseParagraphes) {
        d->etape(type, [&] { QTextEdit::keyPressEvent(e); });
    } else {
        d->enAttente = type;
        QTextEdit::keyPressEvent(e);
        d->enAttente = Inconnue;
    }
}

void Editor::inputMethodEvent(QInputMethodEvent *e)
{
    if (e->commitString().isEmpty() || isReadOnly()) {
        QTextEdit::inputMethodEvent(e);
    } else if (textCursor().hasSelection()) {
        d->etape(Frappe, [&] { QTextEdit::inputMethodEvent(e); });
    } else {
        d->enAttente = Frappe;
        QTextEdit::inputMethodEvent(e);
        d->enAttente = Inconnue;
    }
}

void Editor::insertFromMimeData(const QMimeData *source)
{
    d->etape(Coller, [&] {
        const int debut = textCursor().selectionStart();
        QTextEdit::insertFromMimeData(source);
        d->adopterParagraphes(debut, textCursor().position());
    });
}

void Editor::dropEvent(QDropEvent *e)
{
    if (isReadOnly() || !canInsertFromMimeData(e->mimeData())) {
        QTextEdit::dropEvent(e);
        return;
    }
    d->etape(GlisserDeposer, [&] { QTextEdit::dropEvent(e); });
}

void Editor::mouseMoveEvent(QMouseEvent *e)
{
    QTextEdit::mouseMoveEvent(e);
    const bool surLien = (e->modifiers() & Qt::ControlModifier) && e->buttons() == Qt::NoButton
                         && d->lienSous(e->position().toPoint());
    if (surLien != d->curseurLien) {
        d->curseurLien = surLien;
        viewport()->setCursor(surLien ? Qt::PointingHandCursor : Qt::IBeamCursor);
    }
    emit sourisDeplacee();
}

void Editor::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !(e->modifiers() & Qt::ControlModifier) || textCursor().hasSelection())
        return;
    if (const auto lien = d->lienSous(e->position().toPoint()))
        OuvrirAvecShell(lien->cible);
}

bool Editor::canInsertFromMimeData(const QMimeData *source) const
{
    return source && QTextEdit::canInsertFromMimeData(source);
}

std::unique_ptr<QMenu> Editor::creerMenuContextuel(const QPoint &position)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(position));
    const QString tab = QStringLiteral("\t");
    auto rebrancher = [&](QAction *action, const QString &texte, QKeySequence::StandardKey raccourci,
                          std::function<void()> commande, std::optional<bool> actif) {
        const QString touches = raccourci == QKeySequence::UnknownKey
                                    ? QString()
                                    : QKeySequence(raccourci).toString(QKeySequence::NativeText);
        action->setText(touches.isEmpty() ? texte : texte + tab + touches);
        if (commande) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, std::move(commande));
        }
        if (actif)
            action->setEnabled(*actif);
    };
    const bool selection = textCursor().hasSelection();
    for (QAction *action : menu->actions()) {
        const QString nom = action->objectName();
        if (nom == u"edit-undo")
            rebrancher(action, QStringLiteral("&Annuler"), QKeySequence::Undo, [this] { annuler(); }, peutAnnuler());
        else if (nom == u"edit-redo")
            rebrancher(action, QStringLiteral("&Rétablir"), QKeySequence::Redo, [this] { retablir(); }, peutRetablir());
        else if (nom == u"edit-cut")
            rebrancher(action, QStringLiteral("Co&uper"), QKeySequence::Cut, [this] { couper(); }, std::nullopt);
        else if (nom == u"edit-copy")
            rebrancher(action, QStringLiteral("&Copier"), QKeySequence::Copy, nullptr, std::nullopt);
        else if (nom == u"link-copy")
            rebrancher(action, QStringLiteral("Copier l'&adresse du lien"), QKeySequence::UnknownKey, nullptr, std::nullopt);
        else if (nom == u"edit-paste")
            rebrancher(action, QStringLiteral("C&oller"), QKeySequence::Paste, [this] { coller(); }, peutColler());
        else if (nom == u"edit-delete")
            rebrancher(action, QStringLiteral("&Supprimer"), QKeySequence::UnknownKey, [this] {
                d->etape(Suppression, [this] {
                    QTextCursor c = textCursor();
                    c.removeSelectedText();
                    setTextCursor(c);
                });
            }, selection && !isReadOnly());
        else if (nom == u"select-all")
            rebrancher(action, QStringLiteral("&Tout sélectionner"), QKeySequence::SelectAll, nullptr, std::nullopt);
    }
    ajouterMenuOrthographe(*menu, cursorForPosition(position).position());
    return menu;
}

void Editor::ajouterMenuOrthographe(QMenu &menu, int position)
{
    QAction *premiere = menu.actions().value(0);
    const auto inserer = [&](QAction *action) {
        menu.insertAction(premiere, action);
        return action;
    };
    const std::shared_ptr<Orthographe> &o = d->surligneur->orthographe;
    // The flagged word under the mouse: its suggestions, then ignore it or keep it.
    if (d->surligneur->verifier && o && o->disponible()) {
        const QTextBlock bloc = d->doc->findBlock(position);
        for (const Orthographe::Faute &f : o->fautes(bloc.text())) {
            const int debut = bloc.position() + f.debut;
            if (position < debut || position > debut + f.longueur)
                continue;
            const QString mot = bloc.text().mid(f.debut, f.longueur);
            const QStringList suggestions = o->suggestions(mot, 6);
            for (const QString &s : suggestions) {
                QAction *a = inserer(new QAction(s, &menu));
                a->setObjectName(QStringLiteral("suggestion"));
                QFont gras = a->font();
                gras.setBold(true);
                a->setFont(gras);
                connect(a, &QAction::triggered, this, [this, debut, f, s] { remplacer(debut, f.longueur, s); });
            }
            if (suggestions.isEmpty())
                inserer(new QAction(QStringLiteral("(aucune suggestion)"), &menu))->setEnabled(false);
            QAction *ignorer = inserer(new QAction(QStringLiteral("Ignorer"), &menu));
            ignorer->setObjectName(QStringLiteral("ignorer"));
            connect(ignorer, &QAction::triggered, this, [this, o, mot] {
                o->ignorer(mot);
                d->surligneur->rehighlight();
            });
            QAction *ajouter = inserer(new QAction(QStringLiteral("Ajouter au dictionnaire"), &menu));
            ajouter->setObjectName(QStringLiteral("ajouter"));
            connect(ajouter, &QAction::triggered, this, [this, o, mot] {
                QString erreur;
                if (!o->ajouter(mot, &erreur))
                    AfficherErreurStandard(this, erreur);
                d->surligneur->rehighlight();
            });
            menu.insertSeparator(premiere);
            break;
        }
    }
    QAction *verifier = inserer(new QAction(QStringLiteral("Vérifier l'orthographe"), &menu));
    verifier->setObjectName(QStringLiteral("orthographe"));
    if (!o || !o->disponible()) {
        verifier->setText(QStringLiteral("Vérification de l'orthographe indisponible : aucun dictionnaire français "
                                         "(paquet hunspell-fr)"));
        verifier->setEnabled(false);
    } else {
        verifier->setCheckable(true);
        verifier->setChecked(d->surligneur->verifier);
        connect(verifier, &QAction::toggled, this, [this](bool oui) {
            activerOrthographe(oui);
            emit orthographeBasculee(oui);
        });
    }
    menu.insertSeparator(premiere);
}

void Editor::remplacer(int debut, int longueur, const QString &texte)
{
    d->etape(Frappe, [&] {
        QTextCursor c(d->doc);
        c.setPosition(debut);
        c.setPosition(debut + longueur, QTextCursor::KeepAnchor);
        c.insertText(texte);
    });
}

void Editor::definirOrthographe(std::shared_ptr<Orthographe> orthographe)
{
    d->surligneur->orthographe = std::move(orthographe);
    d->surligneur->rehighlight();
}

void Editor::activerOrthographe(bool oui)
{
    if (d->surligneur->verifier == oui)
        return;
    d->surligneur->verifier = oui;
    d->surligneur->rehighlight();
}

bool Editor::orthographeActive() const
{
    return d->surligneur->verifier && d->surligneur->orthographe && d->surligneur->orthographe->disponible();
}

void Editor::reverifierOrthographe()
{
    d->surligneur->rehighlight();
}

void Editor::contextMenuEvent(QContextMenuEvent *e)
{
    creerMenuContextuel(e->pos())->exec(e->globalPos());
}
