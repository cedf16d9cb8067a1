#include "widgets/scombobox.h"

#include <QAbstractItemView>

SComboBox::SComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &SComboBox::change);
}

void SComboBox::setLargeurListe(int px)
{
    view()->setMinimumWidth(qMax(0, px));
}

int SComboBox::largeurListe() const
{
    return view()->minimumWidth();
}

void SComboBox::showPopup()
{
    emit deroulement();
    QComboBox::showPopup();
}
