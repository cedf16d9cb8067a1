#include "editor/dispositionbarre.h"

EcartsBarre EcartsBarrePrincipale(int largeurBarre)
{
    const int b = largeurBarre - 381;
    return {b * 7 / 132, b * 15 / 132};
}

QHash<QString, int> PositionsBarrePrincipale(int largeurBarre)
{
    const auto [c, d] = EcartsBarrePrincipale(largeurBarre);
    constexpr int Bouton = 33;
    constexpr int Separateur = 9;
    // Each control stands the given gap after the right edge of the one before.
    const struct { const char *nom; int largeur; bool grandEcart; } suite[] = {
        {"sBitBtn27", Bouton, false},   {"sBitBtn26", Bouton, false},  {"BoutPolices", Bouton, false},
        {"BoutParagraphe", Bouton, false}, {"Sep1", Separateur, true},  {"BoutAnnuler", Bouton, true},
        {"BoutRetablir", Bouton, false}, {"BoutCouper", Bouton, false}, {"BoutCopier", Bouton, false},
        {"BoutColler", Bouton, false},  {"Sep2", Separateur, true},    {"sBitBtn25", Bouton, true},
        {"sBitBtn28", Bouton, false},
    };
    QHash<QString, int> gauches;
    int droite = 0;
    for (const auto &controle : suite) {
        const int gauche = droite + (controle.grandEcart ? d : c);
        gauches.insert(QString::fromLatin1(controle.nom), gauche);
        droite = gauche + controle.largeur;
    }
    gauches.insert(QStringLiteral("sBitBtn2"), gauches.value(QStringLiteral("sBitBtn25")));
    return gauches;
}

QHash<QString, int> PositionsPanneauPolice(int largeurPanneau)
{
    const int p = largeurPanneau;
    return {
        {QStringLiteral("CombPolice"), 8},          {QStringLiteral("largeur:CombPolice"), p - 334},
        {QStringLiteral("EdTaillePolice"), p - 317}, {QStringLiteral("BoutTaillePoliceUp"), p - 295},
        {QStringLiteral("BoutTaillePoliceDown"), p - 295}, {QStringLiteral("Sep3"), p - 271},
        {QStringLiteral("BoutGras"), p - 255},      {QStringLiteral("BoutItal"), p - 227},
        {QStringLiteral("BoutSoulign"), p - 199},   {QStringLiteral("BoutCouleur"), p - 171},
        {QStringLiteral("Sep4"), p - 139},          {QStringLiteral("BoutAlignGauche"), p - 123},
        {QStringLiteral("BoutAlignCentre"), p - 95}, {QStringLiteral("BoutAlignDroite"), p - 67},
        {QStringLiteral("BoutAlignJustify"), p - 39},
    };
}
