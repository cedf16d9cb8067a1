#pragma once

#include <QCheckBox>

// Check box; its look comes from the skin's style sheet.
class SCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit SCheckBox(QWidget *parent = nullptr);
    explicit SCheckBox(const QString &texte, QWidget *parent = nullptr);
};
