#pragma once

#include <QObject>
#include <QLabel>
#include <QPointer>

class QLabel;
class QTimer;

// Draws the user's eye to a caption: it turns bold and blinks black and red every 800 ms,
// for twelve seconds counted from the first blink of the first request.
class ClignotementLabel : public QObject
{
    Q_OBJECT
public:
    // The two timers are created as children of the window, named TimFlash and
    // TimArreteFlash. A label given as toujoursGras (the step-3 caption) is set bold at
    // every blink and at the end.
    explicit ClignotementLabel(QObject *fenetre, QLabel *toujoursGras = nullptr);

    QLabel *FlashedLabel() const { return m_label; }
    QTimer *TimFlash() const { return m_timFlash; }
    QTimer *TimArreteFlash() const { return m_timArreteFlash; }

    static void mettreEnNoirNormal(QLabel *label);
    static bool estRouge(const QLabel *label);

public slots:
    void FlashLabel(QLabel *label);
    void TimFlashTimer();
    void TimArreteFlashTimer();

private:
    QPointer<QLabel> m_label;
    QPointer<QLabel> m_toujoursGras;
    QTimer *m_timFlash;
    QTimer *m_timArreteFlash;
};
