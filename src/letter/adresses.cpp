#include "letter/adresses.h"

#include <QRegularExpression>

const QRegularExpression &ExpressionAdresses()
{
    static const QRegularExpression expression(
        QStringLiteral(R"((?<![\w@.])(?:https?://|www\.)[^\s<>"]*[^\s<>".,;:!?'()\[\]])"
                       R"(|(?<![\w.%+-])[\w.%+-]+@[\w-]+(?:\.[\w-]+)*\.[a-z]{2,}(?![\w-]))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return expression;
}
