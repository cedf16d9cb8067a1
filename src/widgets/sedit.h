#pragma once

#include <QLineEdit>

// Single-line edit; its look comes from the skin's style sheet.
class SEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SEdit(QWidget *parent = nullptr);
};
