#pragma once

#include <QString>

// The program's own case changes touch the letters A–Z and a–z only: accented letters
// keep their case ("éric" stays "éric" when its first letter is raised).
//
// Modes: 0 first letter raised, 1 first letter lowered, 2 first raised and the rest
// lowered, 3 all lowered, 4 all raised. retirerPoint drops one final full stop.
QString ChangerCasse(const QString &texte, int mode, bool retirerPoint);

// Whether "de" elides before this word: its first character, A–Z lowered, is one of
// a e i o u y à é è ê ë ù ô î h. An empty word does not elide.
bool CommenceParVoyelle(const QString &mot);
