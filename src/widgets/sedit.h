#pragma once

#include <QLineEdit>

// Single-line edit; its look comes from the skin's style sheet. Texts set by the program
// show their beginning.
class SEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SEdit(QWidget *parent = nullptr);

    void setText(const QString &texte);
};
