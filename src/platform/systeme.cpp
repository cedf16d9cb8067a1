#include "platform/systeme.h"

#include "platform/ecriture.h"
#include "platform/itemsembarques.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString g_dossierProgramme;
std::function<bool(const QUrl &)> g_ouvreur;

QString avecBarre(QString dossier)
{
    if (!dossier.endsWith(u'/'))
        dossier += u'/';
    return dossier;
}

// A folder is private when it is a real folder (not a link), ours, and closed to others.
bool estPrive(const QByteArray &local)
{
    struct stat st {};
    return ::lstat(local.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & 0077) == 0 && ::access(local.constData(), W_OK | X_OK) == 0;
}

// The folder made for this run when the usual one could not be trusted.
QString g_dossierNeuf;

} // namespace

QString DossierProgramme()
{
    if (!g_dossierProgramme.isEmpty())
        return g_dossierProgramme;
    return avecBarre(QCoreApplication::applicationDirPath());
}

void RemplacerDossierProgramme(const QString &dossier)
{
    g_dossierProgramme = dossier.isEmpty() ? QString() : avecBarre(dossier);
}

QString DossierTemporaire(QString *erreur)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime)) {
        struct stat st {};
        const QByteArray local = QFile::encodeName(runtime);
        // The runtime folder is used as it is, never created nor changed: it must already
        // be ours alone.
        if (::lstat(local.constData(), &st) == 0 && S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode)
            && st.st_uid == ::geteuid() && (st.st_mode & 0077) == 0
            && ::access(local.constData(), W_OK | X_OK) == 0)
            return avecBarre(QDir::cleanPath(runtime));
    }
    // Our usual folder under the system's temporary folder, made private when missing. One
    // that is not ours, not private, or not a real folder is never used nor changed: what
    // others may have put in it stays out of our files, and a folder of our own is made
    // beside it. Checked again at every use.
    const QString base = avecBarre(QDir::cleanPath(QDir::tempPath()));
    const QString repli = base + QStringLiteral("vendelair-%1").arg(::geteuid());
    const QByteArray local = QFile::encodeName(repli);
    ::mkdir(local.constData(), 0700);
    if (estPrive(local))
        return avecBarre(repli);
    if (!g_dossierNeuf.isEmpty() && estPrive(QFile::encodeName(g_dossierNeuf)))
        return avecBarre(g_dossierNeuf);
    QByteArray modele = local + "-XXXXXX";
    if (::mkdtemp(modele.data())) {
        g_dossierNeuf = QFile::decodeName(modele);
        return avecBarre(g_dossierNeuf);
    }
    if (erreur)
        *erreur = QStringLiteral("Impossible de créer un dossier temporaire privé dans %1 : %2.")
                      .arg(QDir::toNativeSeparators(base), RaisonSysteme(errno));
    return QString();
}

bool CreerDossierPrive(const QString &chemin, QString *raison)
{
    const QByteArray local = QFile::encodeName(chemin);
    if (::mkdir(local.constData(), 0700) != 0 && errno != EEXIST) {
        if (raison)
            *raison = RaisonSysteme(errno);
        return false;
    }
    struct stat st {};
    if (::lstat(local.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        if (raison)
            *raison = QStringLiteral("ce n'est pas un dossier du programme");
        return false;
    }
    return true;
}

std::optional<QByteArray> RessourceEmbarquee(const QString &nom)
{
    // The corpus is a table made at build time; other items live under ":/exefile/".
    // Both are indexed once, by their names in lower case.
    static const QHash<QString, const ItemEmbarque *> corpus = [] {
        QHash<QString, const ItemEmbarque *> h;
        for (const ItemEmbarque *item = ItemsEmbarques; item->nom; ++item)
            h.insert(QString::fromLatin1(item->nom).toLower(), item);
        return h;
    }();
    if (const ItemEmbarque *item = corpus.value(nom.toLower()))
        return QByteArray::fromRawData(item->octets, item->taille);
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> h;
        QDirIterator it(QStringLiteral(":/exefile"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            h.insert(it.fileName().toLower(), it.filePath());
        }
        return h;
    }();
    const auto trouve = index.constFind(nom.toLower());
    if (trouve == index.constEnd())
        return std::nullopt;
    QFile f(trouve.value());
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool OuvrirAvecShell(const QUrl &cible)
{
    if (g_ouvreur)
        return g_ouvreur(cible);
    return QDesktopServices::openUrl(cible);
}

void RemplacerOuvreur(std::function<bool(const QUrl &)> ouvreur)
{
    g_ouvreur = std::move(ouvreur);
}

bool ChargerTraductionsQt()
{
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
