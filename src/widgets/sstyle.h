#pragma once

#include <QProxyStyle>

// Fusion with the skin's answers on top: the tooltip timings and the tooltip duration
// given to every widget as it is polished.
class SStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Takes ownership of the base style (Fusion when null).
    explicit SStyle(QStyle *base = nullptr);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QPalette standardPalette() const override;

    using QProxyStyle::polish;
    void polish(QWidget *widget) override;
};
