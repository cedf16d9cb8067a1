#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// French spelling: the words Hunspell's French dictionary knows, elided forms included
// ("l'entreprise", "qu'elle", "aujourd'hui", with ' or ’), and beyond it the words of the
// user's own list, those ignored for this run and those the letter at hand takes from the
// user (names, town, company, offer…). Numbers, e-mail and web addresses and the marks left
// to fill in ("XXXXXXXX") are never flagged.
class Orthographe
{
public:
    // A word to flag in a paragraph: where it starts and how long it is.
    struct Faute
    {
        int debut = 0;
        int longueur = 0;
        bool operator==(const Faute &) const = default;
    };

    // Looks the French dictionary (fr_FR, then fr) up in the folders given, and reads the
    // user's own list from cheminListe when there is one.
    explicit Orthographe(const QStringList &dossiers = dossiersDictionnaires(),
                         const QString &cheminListe = cheminListePersonnelle());
    ~Orthographe();
    Orthographe(const Orthographe &) = delete;
    Orthographe &operator=(const Orthographe &) = delete;

    // The standard hunspell folders of the system and of the user.
    static QStringList dossiersDictionnaires();
    // "vendelair/mots.txt" in the user's data folder ($XDG_DATA_HOME).
    static QString cheminListePersonnelle();
    // The one instance of the run, with the standard folders, made at first use.
    static std::shared_ptr<Orthographe> partagee();

    // False when no French dictionary is installed: nothing is ever flagged then.
    bool disponible() const { return m_hunspell != nullptr; }

    bool correct(const QString &mot) const;
    QList<Faute> fautes(const QString &paragraphe) const;
    // At most `maximum` replacements, the likeliest first.
    QStringList suggestions(const QString &mot, int maximum = 6) const;

    // The words of these texts are accepted until the next call (the letter at hand).
    void accepterTextes(const QStringList &textes);
    // Accepted for the rest of the run.
    void ignorer(const QString &mot);
    // Accepted from now on: added to the user's list, which is written whole, atomically.
    // False, with the reason in French, when the list could not be written (the word is
    // accepted for the run all the same).
    bool ajouter(const QString &mot, QString *erreur = nullptr);

private:
    bool accepte(const QString &mot) const;
    bool connuDuDictionnaire(const QString &mot) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_cheminListe;
    QStringList m_personnels; // in the order they were added, as the file keeps them
    QSet<QString> m_acceptes; // lower case: the user's list, ignored words, the letter's
    QSet<QString> m_lettre;
    mutable QHash<QString, bool> m_cache;
};
