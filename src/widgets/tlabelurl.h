#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

class QTimer;

// A caption that behaves like a web link: hand cursor, one colour at rest, one under the
// mouse, one while the left button is held on it. It only does the colouring; what a
// click does belongs to the window, through Click(). One timer shared by every link
// (HoverTimer) puts the rest colour back once the cursor has left the link it watches.
class TLabelURL : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int Timer READ Timer WRITE setTimer)
    Q_PROPERTY(QColor ColorURL READ ColorURL WRITE setColorURL)
    Q_PROPERTY(QColor ColorClick READ ColorClick WRITE setColorClick)
    Q_PROPERTY(QColor DefautColor READ DefautColor WRITE setDefautColor)
    Q_PROPERTY(QString URL READ URL WRITE setURL)

public:
    explicit TLabelURL(QWidget *parent = nullptr);
    TLabelURL(const QString &texte, QWidget *parent = nullptr);
    ~TLabelURL() override;

    // Interval of the shared HoverTimer in ms; a negative value is kept as 0, and at 0
    // the timer never ticks. Setting it on any link sets it for all of them.
    int Timer() const { return m_timer; }
    void setTimer(int ms);

    QColor ColorURL() const { return m_colorURL; }
    void setColorURL(const QColor &couleur) { m_colorURL = couleur; }
    QColor ColorClick() const { return m_colorClick; }
    void setColorClick(const QColor &couleur) { m_colorClick = couleur; }
    QColor DefautColor() const { return m_defautColor; }
    // Also gives the caption that colour at once.
    void setDefautColor(const QColor &couleur);

    QString URL() const { return m_url; }
    void setURL(const QString &url) { m_url = url; }

    // The colour the caption is drawn in right now.
    QColor couleurTexte() const;

    // Shared by every link: the timer (created with the first link), the link it watches
    // (none once that link is destroyed) and whether a left press that began on a link
    // has not yet been released over one.
    static QTimer *HoverTimer();
    static TLabelURL *cibleHoverTimer();
    static bool LinkPressed();
    // Tests start from a clean slate.
    static void reinitialiserEtatPartage();

    // The shared timer's tick: the watched link goes back to rest once the cursor is no
    // longer over it.
    static void HoverTimerTimer();

public slots:
    // Opens URL with the desktop's program for it (browser, mail client); an empty or
    // malformed URL opens nothing. The owner connects Click to it where that is the job.
    void OuvrirURL();

signals:
    // The owner's events. MouseDown/MouseUp carry only left-button presses on an
    // enabled link; Click comes with the release over the link of a press made on it.
    void MouseDown(const QPoint &pos);
    void MouseUp(const QPoint &pos);
    void Click();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void initialiser();
    void mettreCouleur(const QColor &couleur);
    bool sousLeCurseur() const;
    void armerHoverTimer();

    int m_timer = 100;
    QColor m_colorURL;
    QColor m_colorClick;
    QColor m_defautColor;
    QString m_url;
    bool m_clicEnCours = false; // a left press began here and was not released yet
};
