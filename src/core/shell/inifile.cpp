#include "shell/inifile.h"

#include <QList>

namespace ts {

namespace {

struct Line {
    QByteArray text; // without its line ending
    QByteArray eol;  // "\r\n", "\n" or empty for a last line without one
};

QList<Line> splitLines(const QByteArray& content) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype nl = content.indexOf('\n', start);
        if (nl < 0) {
            lines.append({content.mid(start), QByteArray()});
            break;
        }
        qsizetype end = nl;
        if (end > start && content[end - 1] == '\r')
            --end;
        lines.append({content.mid(start, end - start), content.mid(end, nl + 1 - end)});
        start = nl + 1;
    }
    return lines;
}

// The section name of a "[name]" line, or nothing.
bool sectionName(const QByteArray& text, QByteArray* name) {
    const QByteArray t = text.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool isKeyLine(const QByteArray& text, const QByteArray& key) {
    const QByteArray t = text.trimmed();
    if (t.startsWith(';') || t.startsWith('#'))
        return false;
    const qsizetype eq = t.indexOf('=');
    return eq > 0 && t.left(eq).trimmed() == key;
}

} // namespace

QByteArray SetIniValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                       const QByteArray& value) {
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool hasBom = content.startsWith(bom);
    QList<Line> lines = splitLines(hasBom ? content.mid(bom.size()) : content);
    const QByteArray eol = content.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray keyLine = key + '=' + value;

    int sectionAt = -1;
    int lastFilled = -1; // last non-blank line of the section
    int keyAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (sectionName(lines[i].text, &name)) {
            if (sectionAt >= 0)
                break; // past the end of our section
            if (name == section) {
                sectionAt = i;
                lastFilled = i;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (!lines[i].text.trimmed().isEmpty())
            lastFilled = i;
        if (isKeyLine(lines[i].text, key)) {
            keyAt = i;
            break;
        }
    }

    if (keyAt >= 0) {
        lines[keyAt].text = keyLine;
    } else if (sectionAt >= 0) {
        if (lines[lastFilled].eol.isEmpty())
            lines[lastFilled].eol = eol;
        lines.insert(lastFilled + 1, {keyLine, eol});
    } else {
        if (!lines.isEmpty() && lines.last().eol.isEmpty())
            lines.last().eol = eol;
        lines.append({'[' + section + ']', eol});
        lines.append({keyLine, eol});
    }

    QByteArray out = hasBom ? bom : QByteArray();
    for (const Line& l : lines)
        out += l.text + l.eol;
    return out;
}

} // namespace ts
