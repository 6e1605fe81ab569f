#include "catalogue/pinyin.h"

#include "web/charsets.h"

namespace ts {

char PinyinInitialOf(unsigned char lead, unsigned char trail) {
    if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
        return 0;
    const char c = detail::kPinyinInitials[lead - 0xB0][trail - 0xA1];
    return (c >= 'a' && c <= 'z') ? c : 0;
}

QString PinyinInitials(const QByteArray& gbk) {
    QString out;
    const qsizetype n = gbk.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            out += QChar(b);
            ++i;
            continue;
        }
        if (i + 1 >= n) {
            out += QChar(QChar::ReplacementCharacter); // half a character: no reading
            break;
        }
        if (const char c = PinyinInitialOf(b, static_cast<unsigned char>(gbk[i + 1]))) {
            out += QLatin1Char(c);
        } else {
            const QString ch = GbkDecode(gbk.mid(i, 2));
            out += ch.isEmpty() ? QString(QChar(QChar::ReplacementCharacter)) : ch;
        }
        i += 2;
    }
    return out;
}

} // namespace ts
