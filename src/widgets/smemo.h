#pragma once

#include <QPlainTextEdit>

// A memo of the profile editor: one paragraph that wraps on screen and scrolls. Enter
// does not break the line, and pasted or dropped line breaks become blanks, so what the
// user types is stored on one line of the settings file and cited whole in the letter.
class SMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit SMemo(QWidget *parent = nullptr);

    // The text as typed: no-break spaces kept.
    QString texte() const;

    // Line breaks of any kind (CR LF, CR, LF, Unicode separators) as single blanks.
    static QString surUneLigne(const QString &texte);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
};
