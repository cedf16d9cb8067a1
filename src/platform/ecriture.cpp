#include "platform/ecriture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<ssize_t(int, const void *, size_t)> g_ecrire;

// Every byte, or the error of the first write that failed (a short write on a full disk
// is followed by one that says so).
bool toutEcrire(int fd, const QByteArray &octets, int *numero)
{
    const char *p = octets.constData();
    size_t reste = size_t(octets.size());
    while (reste > 0) {
        const ssize_t n = g_ecrire ? g_ecrire(fd, p, reste) : ::write(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *numero = errno;
            return false;
        }
        if (n == 0) {
            *numero = ENOSPC;
            return false;
        }
        p += n;
        reste -= size_t(n);
    }
    return true;
}

// Written, synced when asked, and closed; the descriptor is closed whatever happens.
bool terminer(int fd, const QByteArray &octets, int *numero, bool synchroniser = true)
{
    bool ok = toutEcrire(fd, octets, numero);
    if (ok && synchroniser && ::fsync(fd) != 0) {
        *numero = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        *numero = errno;
        ok = false;
    }
    return ok;
}

bool echec(QString *raison, int numero)
{
    if (raison)
        *raison = RaisonSysteme(numero);
    return false;
}

} // namespace

QString RaisonSysteme(int numero)
{
    switch (numero) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("disque plein");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case EROFS:
        return QStringLiteral("support en lecture seule");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case ENOENT:
        return QStringLiteral("dossier introuvable");
    case ENOTDIR:
        return QStringLiteral("une partie du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("ce nom est celui d'un dossier");
    case EEXIST:
        return QStringLiteral("un autre fichier occupe déjà cette place");
    case ELOOP:
        return QStringLiteral("un lien symbolique est refusé à cet endroit");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture du disque");
    default:
        return QStringLiteral("erreur du système n° %1").arg(numero);
    }
}

QString MessageEcritureImpossible(const QString &chemin, const QString &raison)
{
    return QStringLiteral("Impossible d'écrire dans %1 : %2.").arg(QDir::toNativeSeparators(chemin), raison);
}

bool EcrireFichierAtomique(const QString &chemin, const QByteArray &octets, QString *raison)
{
    const QFileInfo info(chemin);
    const QByteArray cible = QFile::encodeName(info.absoluteFilePath());
    const QByteArray dossier = QFile::encodeName(info.absolutePath());
    struct stat st {};
    const bool existe = ::lstat(cible.constData(), &st) == 0;
    if (existe && S_ISDIR(st.st_mode))
        return echec(raison, EISDIR);

    QByteArray modele = dossier + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(modele.data(), O_CLOEXEC);
    if (fd < 0)
        return echec(raison, errno);
    // The new file gets the old one's rights, or the usual rights of a new file.
    mode_t droits = 0666;
    if (existe && S_ISREG(st.st_mode)) {
        droits = st.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        droits &= ~masque;
    }
    ::fchmod(fd, droits);
    int numero = 0;
    bool ok = terminer(fd, octets, &numero);
    if (ok && ::rename(modele.constData(), cible.constData()) != 0) {
        numero = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(modele.constData());
        return echec(raison, numero);
    }
    // The rename itself reaches the disk with its folder.
    const int d = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
}

bool CreerFichierExclusif(const QString &chemin, const QByteArray &octets, QString *raison)
{
    const QByteArray local = QFile::encodeName(chemin);
    const int fd = ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return echec(raison, errno);
    int numero = 0;
    // A file of the working folder is not worth a wait for the disk.
    if (!terminer(fd, octets, &numero, false)) {
        ::unlink(local.constData());
        return echec(raison, numero);
    }
    return true;
}

void RemplacerEcritureSysteme(std::function<ssize_t(int, const void *, size_t)> ecrire)
{
    g_ecrire = std::move(ecrire);
}
