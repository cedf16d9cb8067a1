#include "widgets/smemo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>

SMemo::SMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

QString SMemo::texte() const
{
    // toPlainText() would turn no-break spaces into blanks.
    QString t = document()->toRawText();
    t.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return t;
}

QString SMemo::surUneLigne(const QString &texte)
{
    static const QRegularExpression sauts(QStringLiteral("\r\n|[\r\n\u2028\u2029\u000B\u000C\u0085]"));
    QString t = texte;
    t.replace(sauts, QStringLiteral(" "));
    return t;
}

void SMemo::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore(); // the window may use it; the memo stays on one line
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void SMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    insertPlainText(surUneLigne(source->text()));
}
