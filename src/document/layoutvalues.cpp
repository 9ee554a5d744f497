#include "document/layoutvalues.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace zorvan {

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Leading blanks are skipped the way the C library's number readers do.
qsizetype SkipBlanks(QStringView value)
{
    qsizetype i = 0;
    while (i < value.size() && (value[i] == u' ' || value[i] == u'\t' || value[i] == u'\n'
                                || value[i] == u'\r' || value[i] == u'\f' || value[i] == u'\v'))
        ++i;
    return i;
}

} // namespace

QString FormatLayoutInteger(int value)
{
    return QString::number(value);
}

QString FormatLayoutReal(double value)
{
    return QString::number(value, 'f', 3);
}

QString FormatLayoutBoolean(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString FormatLayoutAlignment(int alignment)
{
    switch (alignment) {
    case 1: return QStringLiteral("Center");
    case 2: return QStringLiteral("Right");
    default: return QStringLiteral("Left");
    }
}

QString FormatLayoutColour(Colour colour)
{
    return QStringLiteral("%1,%2,%3").arg(ColourRed(colour)).arg(ColourGreen(colour)).arg(ColourBlue(colour));
}

int ReadLayoutInteger(QStringView value)
{
    qsizetype i = SkipBlanks(value);
    bool negative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        negative = value[i] == u'-';
        ++i;
    }
    long long result = 0;
    for (; i < value.size() && IsDigit(value[i]); ++i) {
        result = result * 10 + (value[i].unicode() - u'0');
        if (result > static_cast<long long>(INT_MAX) + 1)
            result = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        result = -result;
    if (result > INT_MAX)
        return INT_MAX;
    return static_cast<int>(result);
}

double ReadLayoutReal(QStringView value)
{
    qsizetype i = SkipBlanks(value);
    std::string number;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        if (value[i] == u'-')
            number += '-';
        ++i;
    }
    // Only the plain decimal form (with an optional exponent) counts; "inf",
    // "nan" and hexadecimal numbers read as no number at all.
    for (; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if ((c >= u'0' && c <= u'9') || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-')
            number += static_cast<char>(c);
        else
            break;
    }
    double result = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), result,
                                              std::chars_format::general);
    if (error != std::errc() || !std::isfinite(result))
        return 0.0;
    (void)end;
    return result;
}

bool ReadLayoutBoolean(QStringView value)
{
    return value == u"Yes";
}

int ReadLayoutAlignment(QStringView value)
{
    if (value == u"Center")
        return 1;
    if (value == u"Right")
        return 2;
    return 0;
}

Colour ReadLayoutColour(QStringView value)
{
    const qsizetype first = value.indexOf(u',');
    const qsizetype second = first < 0 ? -1 : value.indexOf(u',', first + 1);
    const QStringView red = first < 0 ? value : value.left(first);
    const QStringView green = first < 0 ? QStringView() : value.mid(first + 1, second < 0 ? -1 : second - first - 1);
    const QStringView blue = second < 0 ? QStringView() : value.mid(second + 1);
    return MakeColour(ReadLayoutInteger(red), ReadLayoutInteger(green), ReadLayoutInteger(blue));
}

} // namespace zorvan
