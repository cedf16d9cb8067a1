#pragma once

#include <QWidget>

// The program's own message dialog.
class TFormsDialog : public QWidget
{
    Q_OBJECT
public:
    explicit TFormsDialog(QWidget *parent = nullptr);
};
