#pragma once

#include "letter/formatlettre.h"

#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextEdit>

#include <memory>
#include <optional>

class Orthographe;
class QMenu;

// The letter editor: a rich-text editor offering what the letter's commands ask of it.
class Editor : public QTextEdit
{
    Q_OBJECT
public:
    // What the next undo or redo would take back.
    enum TypeAction { Inconnue = 0, Frappe = 1, Suppression = 2, GlisserDeposer = 3, Couper = 4, Coller = 5 };
    static constexpr int LimiteAnnulation = 100;

    explicit Editor(QWidget *parent = nullptr);

    // Selection, as character positions in the whole text.
    int selStart() const;
    int selLength() const;
    void selectionner(int debut, int longueur); // and scrolls it into view
    void placerCurseur(int position);           // nothing selected

    // Clipboard and undo. Undo keeps at most LimiteAnnulation steps.
    void couper();
    void copier();
    void coller();
    void annuler();
    void retablir();
    bool peutAnnuler() const;
    bool peutRetablir() const;
    bool peutColler() const;
    TypeAction typeAnnulation() const;
    TypeAction typeRetablissement() const;

    // The selection's attributes (at the caret when nothing is selected), and the default
    // ones: those new text is typed with. Writing the default attributes with nothing
    // selected changes what is typed next.
    AttributsTexte attributsSelection() const;
    void definirAttributsSelection(const AttributsTexte &a);
    AttributsTexte attributsParDefaut() const;
    void definirAttributsParDefaut(const AttributsTexte &a); // does nothing while text is selected

    // The paragraphs the selection touches.
    AttributsParagraphe paragrapheSelection() const;
    void definirParagrapheSelection(const AttributsParagraphe &p);
    // Only the indents given, in each paragraph the selection touches; the others and the
    // alignment stay as each paragraph has them.
    void definirRetraitsSelection(std::optional<int> premiereLigne, std::optional<int> gauche,
                                  std::optional<int> droite);
    // Only the alignment of the paragraphs the selection touches; their indents stay.
    void definirAlignementSelection(int alignement);

    // What the saving and printing of the letter read, block by block and fragment by
    // fragment: indents in points whatever the zoom, faces and sizes resolved against the
    // base font.
    AttributsParagraphe paragrapheDuBloc(const QTextBlock &bloc) const;
    AttributsTexte attributsDuFormat(const QTextCharFormat &format) const;

    // Zoom in percent (10 to 500): text and indents scale together; the model stays in
    // points. When paragraphs carry indents, a zoom change forgets what could be redone.
    int zoom() const;
    void definirZoom(int pourcent);

    // Displayed (wrapped) lines; a last empty line is not counted, so an empty letter has
    // no line. A line's text leaves out its line break.
    int nombreDeLignes() const;
    QString ligne(int index) const;

    // A new letter in place of the whole text: its base font, paragraphs and formats, the
    // indents laid out at the zoom. The caret goes to the start, the undo history is empty
    // and the letter counts as unmodified.
    void afficherLettre(const QTextDocument &lettre);

    // For building a letter line by line.
    void vider();
    // Appends one line of plain text as a new paragraph, in the paragraph and character
    // format in force at the end of the text (the first line of an empty letter fills its
    // first paragraph), with the face and size of the default attributes. The caret ends
    // after it. Lines written so cannot be undone: the undo history is emptied.
    void ajouterLigne(const QString &texte);
    void definirPoliceDeBase(const QString &police, int points);
    // One character per position: paragraph and line breaks as '\n', non-breaking spaces kept.
    QString texteComplet() const;
    // First whole-word match of texte between two positions, or -1: the match starts at or
    // after debut and ends at or before fin (fin < 0: the end of the text).
    int chercher(const QString &texte, int debut, int fin, bool motEntier, bool respecterCasse) const;

    // French spelling while typing: unknown words get a red wavy line on screen only. The
    // checker is shared (the letter's own words are given to it by the window); checking
    // is off until activated, and never on without a dictionary.
    void definirOrthographe(std::shared_ptr<Orthographe> orthographe);
    void activerOrthographe(bool oui);
    bool orthographeActive() const;
    // After the checker's accepted words changed.
    void reverifierOrthographe();
    // Replaces a stretch of the text, as one undo step.
    void remplacer(int debut, int longueur, const QString &texte);

    // The right-click menu at a point of the viewport: for a flagged word its suggestions,
    // "Ignorer" and "Ajouter au dictionnaire", then the entry that turns checking on and
    // off, then the usual editing entries. The menu is a child of the editor: it is to go
    // before the editor does.
    std::unique_ptr<QMenu> creerMenuContextuel(const QPoint &position);

signals:
    // The user turned spelling on or off from the menu.
    void orthographeBasculee(bool active);
    // After every caret move or selection change, program-made ones included, and after
    // every undo or redo.
    void selectionModifiee();
    void sourisDeplacee();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
    void dropEvent(QDropEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;

private:
    void ajouterMenuOrthographe(QMenu &menu, int position);
    void inputMethodEvent(QInputMethodEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

    class Impl;
    Impl *d; // a child object of the editor
};
