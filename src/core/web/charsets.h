#pragma once
// Charsets at the boundaries. Text is Unicode inside; GBK appears only where it is visible
// to users (text sort order, the letter filter's first-two-bytes rule) and on the wire.

#include <QByteArray>
#include <QString>

namespace ts {

// Decodes a UTF-8 reply into the program's text. Characters that GBK lacks are kept
// (the text stays Unicode); invalid bytes become U+FFFD, never a crash.
QString Utf8ToGbk(const QByteArray& utf8);

// GBK form of a text (characters GBK lacks become "?", only in this byte form).
QByteArray GbkEncode(const QString& text);
// Decodes GBK bytes.
QString GbkDecode(const QByteArray& bytes);

// Decodes a reply body: by `charset` when given ("utf-8", "gbk", "gb2312", ...),
// else by `fallback`.
QString DecodeBody(const QByteArray& body, const QByteArray& charset,
                   const QByteArray& fallback = "UTF-8");

} // namespace ts
