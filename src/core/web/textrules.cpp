#include "web/textrules.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace ts {

namespace {

// Position of the left marker, or -1. An empty marker sits at the start of any text.
qsizetype findLeft(const QString& text, const QString& left, bool last) {
    if (left.isEmpty())
        return 0;
    return last ? text.lastIndexOf(left) : text.indexOf(left);
}

// Full-width forms U+FF01..U+FF5E fold onto ASCII 0x21..0x7E; the ideographic space onto a
// space. Only the leading part that can belong to a number matters, so the scan stops at the
// first character that cannot.
QByteArray foldedNumberPrefix(const QString& text) {
    QByteArray ascii;
    ascii.reserve(qMin<qsizetype>(text.size(), 64));
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            u = char16_t(u - 0xFEE0);
        else if (u == 0x3000)
            u = ' ';
        if (u >= 0x80)
            break;
        ascii.append(char(u));
    }
    return ascii;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest decimal number at the start of s (sign, digits, point, fraction,
// exponent); 0 when s does not begin with one.
qsizetype decimalLength(const char* s, qsizetype n) {
    qsizetype i = 0;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(s[i]))
        ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < n && isDigit(s[j])) {
            while (j < n && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// strtod in the "C" locale, whatever the process locale says about the decimal point.
double strtodC(const QByteArray& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.constData(), nullptr, cLocale);
}

} // namespace

QString TextBetween(const QString& text, const QString& left, const QString& right, bool last) {
    if (text.isEmpty())
        return {};
    const qsizetype l = findLeft(text, left, last);
    if (l < 0)
        return {};
    const qsizetype from = l + left.size();
    const qsizetype r = text.indexOf(right, from);
    if (r < 0)
        return {};
    return text.mid(from, r - from);
}

QStringList SplitText(const QString& text, const QString& sep) {
    QStringList pieces;
    if (text.isEmpty())
        return pieces;
    if (sep.isEmpty())
        return {text};
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(sep); at >= 0; at = text.indexOf(sep, from)) {
        pieces.append(text.mid(from, at - from));
        from = at + sep.size();
    }
    if (from < text.size())
        pieces.append(text.mid(from));
    return pieces;
}

double TextToNumber(const QString& text) {
    const QByteArray ascii = foldedNumberPrefix(text);
    qsizetype start = 0;
    while (start < ascii.size() && isBlank(ascii[start]))
        ++start;
    const qsizetype len = decimalLength(ascii.constData() + start, ascii.size() - start);
    if (len == 0)
        return 0.0;
    return strtodC(ascii.mid(start, len));
}

QString NumberToText(double value) {
    // std::to_chars with a precision writes exactly what printf's "%.13g" writes, and never
    // looks at the locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 13);
    return QString::fromLatin1(buf, res.ptr - buf);
}

double RoundHalfAway(double value, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = std::fabs(value) * scale + 1e-12;
    double whole = std::trunc(scaled);
    if (scaled - whole >= 0.5)
        whole += 1.0;
    const double result = whole / scale;
    return value < 0 ? -result : result;
}

QString DateTimeText(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    QString s = QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
    if (t.second() != 0)
        s += QStringLiteral("%1时%2分%3秒").arg(t.hour()).arg(t.minute()).arg(t.second());
    else if (t.minute() != 0)
        s += QStringLiteral("%1时%2分").arg(t.hour()).arg(t.minute());
    else if (t.hour() != 0)
        s += QStringLiteral("%1时").arg(t.hour());
    return s;
}

QString CurrentDateTimeText() {
    return DateTimeText(QDateTime::currentDateTime());
}

QString RunningSum(const QStringList& cells) {
    QString total;
    for (const QString& cell : cells)
        total = NumberToText(TextToNumber(total) + TextToNumber(cell));
    return total;
}

} // namespace ts
