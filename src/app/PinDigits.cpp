#include "PinDigits.h"

#include <QStringView>

namespace PinDigits {

QString extract(const QString &text)
{
    QString digits;
    const QStringView view(text);
    for (qsizetype i = 0; i < view.size();) {
        char32_t c = view[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < view.size() && view[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(view[i], view[i + 1]);
            width = 2;
        }
        // Decimal digits of any script (ASCII, full-width, Arabic-Indic, …) by value.
        const int value = QChar::digitValue(c);
        if (QChar::category(c) == QChar::Number_DecimalDigit && value >= 0 && value <= 9)
            digits.append(QLatin1Char(char('0' + value)));
        i += width;
    }
    return digits;
}

QString fieldText(const QString &text)
{
    return extract(text).left(length);
}

bool isValidStored(const QString &stored)
{
    if (stored.size() != length)
        return false;
    for (QChar c : stored) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace PinDigits
