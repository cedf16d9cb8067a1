#pragma once

#include <QWidget>

class SPanel;

// The help window; at the very first start it shows its welcome panel.
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    SPanel *PanWelcome = nullptr;
};
