#include "letter/tirage.h"

#include <QDateTime>

namespace {
std::function<QTime()> g_horloge;
}

void RemplacerHorloge(std::function<QTime()> horloge)
{
    g_horloge = std::move(horloge);
}

quint32 Tirage::graineDe(QTime heureUtc)
{
    return quint32(((heureUtc.hour() * 60 + heureUtc.minute()) * 60 + heureUtc.second()) * 1000 + heureUtc.msec());
}

quint32 Tirage::graineDepuisHorloge()
{
    return graineDe(g_horloge ? g_horloge() : QDateTime::currentDateTimeUtc().time());
}

int Tirage::tirer(int nombre)
{
    Q_ASSERT(nombre >= 1);
    m_graine = m_graine * 134775813u + 1u;
    return int((quint64(m_graine) * quint64(quint32(nombre))) >> 32);
}
