#pragma once

#include "app/demarrage.h"
#include "app/tform1.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/tformsdialog.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

// The five windows as tests drive them: a program folder and a temporary folder of the
// test's own (other test programs generate letters at the same time), a 1280 × 1024 screen,
// error boxes and messages collected instead of shown, dialogs answered.
namespace FenetresTest {

inline void brancher(const QString &dossier, QStringList &erreurs, QStringList &messages,
                     std::function<int()> reponse = [] { return int(TFormsDialog::OK); })
{
    RemplacerDossierProgramme(dossier);
    QDir().mkpath(dossier + QStringLiteral("/tmp"));
    qputenv("TMPDIR", QFile::encodeName(dossier + QStringLiteral("/tmp")));
    qunsetenv("XDG_RUNTIME_DIR");
    RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
    RemplacerAfficheurErreur([&erreurs](const QString &m) { erreurs << m; });
    TFormsDialog::definirRepondeur([&messages, reponse](TFormsDialog &d) {
        messages << d.dernieresLignes().join(u'|');
        return reponse();
    });
}

// The windows created on a first start, the example profile saved from the profile editor
// and selected with its ready-made application.
inline void demarrerAvecLeProfilExemple()
{
    CreerFenetres();
    Form1->TimerDemarrageTimer();
    Form4->close();
    Form2->sBitBtn7Click();
    Form2->sBitBtn6Click();
}

} // namespace FenetresTest
