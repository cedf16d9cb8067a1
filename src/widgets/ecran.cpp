#include "widgets/ecran.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace {

std::optional<MetriquesEcran> g_metriques;
std::function<void(const QString &)> g_afficheurErreur;

} // namespace

MetriquesEcran MetriquesEcranPrincipal()
{
    if (g_metriques)
        return *g_metriques;
    MetriquesEcran m;
    if (const QScreen *ecran = QGuiApplication::primaryScreen()) {
        m.ecran = ecran->geometry();
        m.zoneTravail = ecran->availableGeometry();
    } else {
        m.ecran = m.zoneTravail = QRect(0, 0, 1024, 768);
    }
    return m;
}

void RemplacerMetriquesEcran(std::optional<MetriquesEcran> metriques)
{
    g_metriques = metriques;
}

void AfficherErreurStandard(QWidget *parent, const QString &message)
{
    if (g_afficheurErreur) {
        g_afficheurErreur(message);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Vendelair"), message);
}

void RemplacerAfficheurErreur(std::function<void(const QString &)> afficheur)
{
    g_afficheurErreur = std::move(afficheur);
}

void CentrerSurBureau(QWidget *fenetre)
{
    const QRect zone = MetriquesEcranPrincipal().zoneTravail;
    fenetre->move(zone.x() + (zone.width() - fenetre->width()) / 2, zone.y() + (zone.height() - fenetre->height()) / 2);
}
