#pragma once
// A small INI line editor: sets one key of one section and keeps every other byte of the file
// as it was (other sections, keys, comments, line endings, text in any encoding).

#include <QByteArray>

namespace ts {

// Returns `content` with `key` = `value` in `[section]`. The first such key line of the
// section is replaced; a missing key is added after the section's last non-blank line; a
// missing section is added at the end. Names compare exactly after trimming blanks. New
// lines use CR LF when the content already does, else LF. A UTF-8 byte-order mark stays.
QByteArray SetIniValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value);

} // namespace ts
