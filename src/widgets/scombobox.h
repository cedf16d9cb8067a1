#pragma once

#include <QComboBox>

// Drop-down list the user picks from (never typed into). Setting the index from code is
// silent: change() is only emitted when the user picks an item.
class SComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SComboBox(QWidget *parent = nullptr);

    // Minimum width of the dropped list, so long items can be read in a narrow box;
    // typically set from a deroulement() handler.
    void setLargeurListe(int px);
    int largeurListe() const;

    void showPopup() override;

signals:
    void change();
    // Emitted just before the list drops.
    void deroulement();
};
