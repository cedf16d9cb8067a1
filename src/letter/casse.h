#pragma once

#include <QString>

// The program's own case changes, accented letters included ("éric" → "Éric",
// "œuvres" → "ŒUVRES").
//
// Modes: 0 first letter raised, 1 first letter lowered, 2 first raised and the rest
// lowered, 3 all lowered, 4 all raised. retirerPoint drops one final full stop.
QString ChangerCasse(const QString &texte, int mode, bool retirerPoint);

// Whether "de" elides before this word: its first character, lowered, is a vowel (accented
// or not, œ and æ included) or h. An empty word does not elide.
bool CommenceParVoyelle(const QString &mot);
