#include "widgets/sstyle.h"

#include "widgets/skin.h"

#include <QStyleFactory>
#include <QWidget>

SStyle::SStyle(QStyle *base)
    : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int SStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                      QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ToolTip_WakeUpDelay:
        if (Skin::delaiPremiereBulle() >= 0)
            return Skin::delaiPremiereBulle();
        break;
    case SH_ToolTip_FallAsleepDelay:
        if (Skin::delaiEntreBulles() >= 0)
            return Skin::delaiEntreBulles();
        break;
    default:
        break;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QPalette SStyle::standardPalette() const
{
    return Skin::palette();
}

void SStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    widget->setToolTipDuration(Skin::dureeBulle());
}
