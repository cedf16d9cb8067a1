#include "letter/orthographe.h"

#include "letter/adresses.h"
#include "platform/ecriture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <hunspell/hunspell.hxx>

namespace {

// Words: letters, with apostrophes and hyphens inside; digits are taken along so that
// "2e" or "A320" is one token, never flagged.
const QRegularExpression &expressionMots()
{
    static const QRegularExpression e(QStringLiteral("[\\p{L}\\p{M}\\d]+(?:['’\\-][\\p{L}\\p{M}\\d]+)*"),
                                      QRegularExpression::UseUnicodePropertiesOption);
    return e;
}

// What French elides before a vowel: "l'", "qu'", "jusqu'"…
bool particuleElidee(const QString &avant)
{
    static const QSet<QString> particules{
        QStringLiteral("l"),      QStringLiteral("d"),       QStringLiteral("j"),      QStringLiteral("m"),
        QStringLiteral("n"),      QStringLiteral("s"),       QStringLiteral("t"),      QStringLiteral("c"),
        QStringLiteral("qu"),     QStringLiteral("jusqu"),   QStringLiteral("lorsqu"), QStringLiteral("puisqu"),
        QStringLiteral("quoiqu"), QStringLiteral("presqu")};
    return particules.contains(avant.toLower());
}

QString normaliser(QString mot)
{
    return mot.replace(u'’', u'\'').toLower();
}

} // namespace

Orthographe::Orthographe(const QStringList &dossiers, const QString &cheminListe) : m_cheminListe(cheminListe)
{
    for (const QString &dossier : dossiers) {
        for (const QString &nom : {QStringLiteral("fr_FR"), QStringLiteral("fr")}) {
            const QString aff = dossier + u'/' + nom + QStringLiteral(".aff");
            const QString dic = dossier + u'/' + nom + QStringLiteral(".dic");
            if (QFileInfo::exists(aff) && QFileInfo::exists(dic)) {
                m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                                        QFile::encodeName(dic).constData());
                break;
            }
        }
        if (m_hunspell)
            break;
    }
    QFile liste(cheminListe);
    if (!cheminListe.isEmpty() && liste.open(QIODevice::ReadOnly)) {
        for (const QString &ligne : QString::fromUtf8(liste.readAll()).split(u'\n')) {
            const QString mot = ligne.trimmed();
            if (!mot.isEmpty() && !m_personnels.contains(mot)) {
                m_personnels << mot;
                m_acceptes.insert(normaliser(mot));
            }
        }
    }
}

Orthographe::~Orthographe() = default;

QStringList Orthographe::dossiersDictionnaires()
{
    QStringList dossiers;
    for (const QString &donnees : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dossiers << donnees + QStringLiteral("/hunspell");
    dossiers << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell/dicts")
             << QStringLiteral("/usr/share/myspell");
    dossiers.removeDuplicates();
    return dossiers;
}

QString Orthographe::cheminListePersonnelle()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vendelair/mots.txt");
}

std::shared_ptr<Orthographe> Orthographe::partagee()
{
    static const std::shared_ptr<Orthographe> instance = std::make_shared<Orthographe>();
    return instance;
}

bool Orthographe::accepte(const QString &mot) const
{
    const QString n = normaliser(mot);
    return m_acceptes.contains(n) || m_lettre.contains(n);
}

bool Orthographe::connuDuDictionnaire(const QString &mot) const
{
    const auto trouve = m_cache.constFind(mot);
    if (trouve != m_cache.cend())
        return trouve.value();
    const bool connu = m_hunspell->spell(mot.toStdString());
    m_cache.insert(mot, connu);
    return connu;
}

bool Orthographe::correct(const QString &mot) const
{
    if (!m_hunspell || mot.isEmpty())
        return true;
    if (std::any_of(mot.cbegin(), mot.cend(), [](QChar c) { return c.isDigit(); }))
        return true;
    static const QRegularExpression marque(QStringLiteral("^X{4,}$"));
    if (marque.match(mot).hasMatch() || accepte(mot) || connuDuDictionnaire(mot))
        return true;
    // An elided article before a word of the user's ("d'Océalis").
    static const QRegularExpression apostrophes(QStringLiteral("['’]"));
    const qsizetype apostrophe = mot.indexOf(apostrophes);
    if (apostrophe > 0 && particuleElidee(mot.left(apostrophe)))
        return correct(mot.mid(apostrophe + 1));
    // A compound whose every part is right ("Wi-Fi", "Rhône-Alpes").
    if (mot.contains(u'-')) {
        const QStringList parties = mot.split(u'-', Qt::SkipEmptyParts);
        return parties.size() > 1
               && std::all_of(parties.cbegin(), parties.cend(), [this](const QString &p) { return correct(p); });
    }
    return false;
}

QList<Orthographe::Faute> Orthographe::fautes(const QString &paragraphe) const
{
    QList<Faute> r;
    if (!m_hunspell)
        return r;
    QList<std::pair<qsizetype, qsizetype>> adresses;
    for (auto it = ExpressionAdresses().globalMatch(paragraphe); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        adresses << std::pair(m.capturedStart(), m.capturedEnd());
    }
    for (auto it = expressionMots().globalMatch(paragraphe); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool dansUneAdresse = std::any_of(adresses.cbegin(), adresses.cend(), [&m](const auto &a) {
            return m.capturedStart() < a.second && m.capturedEnd() > a.first;
        });
        if (!dansUneAdresse && !correct(m.captured()))
            r << Faute{int(m.capturedStart()), int(m.capturedLength())};
    }
    return r;
}

QStringList Orthographe::suggestions(const QString &mot, int maximum) const
{
    QStringList r;
    if (!m_hunspell)
        return r;
    for (const std::string &s : m_hunspell->suggest(mot.toStdString())) {
        if (r.size() >= maximum)
            break;
        r << QString::fromStdString(s);
    }
    return r;
}

void Orthographe::accepterTextes(const QStringList &textes)
{
    m_lettre.clear();
    for (const QString &texte : textes)
        for (auto it = expressionMots().globalMatch(texte); it.hasNext();)
            m_lettre.insert(normaliser(it.next().captured()));
}

void Orthographe::ignorer(const QString &mot)
{
    m_acceptes.insert(normaliser(mot));
}

bool Orthographe::ajouter(const QString &mot, QString *erreur)
{
    m_acceptes.insert(normaliser(mot));
    if (m_personnels.contains(mot))
        return true;
    m_personnels << mot;
    QDir().mkpath(QFileInfo(m_cheminListe).absolutePath());
    QString raison;
    if (EcrireFichierAtomique(m_cheminListe, (m_personnels.join(u'\n') + u'\n').toUtf8(), &raison))
        return true;
    if (erreur)
        *erreur = MessageEcritureImpossible(m_cheminListe, raison);
    return false;
}
