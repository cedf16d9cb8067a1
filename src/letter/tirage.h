#pragma once

#include <QTime>

#include <functional>

// The draw of one template among the candidates: a linear congruential generator seeded
// afresh before each paragraph from the time of day in universal time, to the millisecond.
class Tirage
{
public:
    explicit Tirage(quint32 graine) : m_graine(graine) {}

    // Milliseconds since midnight UTC of the clock (which tests can replace).
    static quint32 graineDepuisHorloge();
    static quint32 graineDe(QTime heureUtc);

    // An index in 0 … nombre − 1: the seed becomes seed × 134775813 + 1 (mod 2^32) and the
    // index is the upper half of the 64-bit product of the seed and the count.
    // nombre must be at least 1.
    int tirer(int nombre);

    quint32 graine() const { return m_graine; }

private:
    quint32 m_graine;
};

// Tests fix the time the seed is taken from (an empty function restores the real clock).
void RemplacerHorloge(std::function<QTime()> horloge);
