#include "web/charsets.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ts {

namespace {

// Page texts end at their first zero character, as the readers have always seen them.
QString cutAtZero(QString text) {
    const qsizetype zero = text.indexOf(QChar(u'\0'));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

// GB2312 and the Windows code page are subsets of GBK; decode them all as GBK.
QByteArray canonicalCharset(const QByteArray& charset) {
    const QByteArray c = charset.trimmed().toLower();
    if (c == "gb2312" || c == "gbk" || c == "x-gbk" || c == "cp936" || c == "windows-936")
        return "GBK";
    if (c == "utf8")
        return "utf-8";
    return c;
}

bool isUtf8(const QByteArray& charset) {
    return canonicalCharset(charset) == "utf-8";
}

} // namespace

QString Utf8ToGbk(const QByteArray& utf8) {
    return cutAtZero(QString::fromUtf8(utf8));
}

QByteArray GbkEncode(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString GbkDecode(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QString DecodeBody(const QByteArray& body, const QByteArray& charset, const QByteArray& fallback) {
    for (const QByteArray& name : {charset, fallback}) {
        if (name.trimmed().isEmpty())
            continue;
        if (isUtf8(name))
            return Utf8ToGbk(body);
        QStringDecoder decoder(canonicalCharset(name).constData());
        if (decoder.isValid())
            return cutAtZero(decoder.decode(body));
    }
    return Utf8ToGbk(body);
}

} // namespace ts
