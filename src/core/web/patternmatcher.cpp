#include "web/patternmatcher.h"

#include "web/charsets.h"

#include <QHash>

namespace ts {

namespace {

constexpr auto kNoUtfCheck = QRegularExpression::DontCheckSubjectStringMatchOption;

// Start-of-pattern items: only LF ends a line (so "." still matches CR, which the row
// patterns rely on), and every search step has a bounded amount of work.
QString enginePattern(const QString& pattern) {
    return QStringLiteral("(*LF)(*LIMIT_MATCH=%1)").arg(PatternMatcher::kMatchLimit) + pattern;
}

// Readers run the same few patterns over many pieces of a page: compile (and JIT) each
// pattern once per thread.
QRegularExpression compiled(const QString& pattern, QRegularExpression::PatternOptions options) {
    thread_local QHash<QString, QRegularExpression> cache;
    const QString key = QString::number(int(options)) + QChar(u'\x1f') + pattern;
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() >= 64)
        cache.clear();
    QRegularExpression re(enginePattern(pattern), options);
    re.optimize();
    cache.insert(key, re);
    return re;
}

// The next search starts where the last match ended; after an empty match, one character
// further on (a surrogate pair counts as one character).
qsizetype nextOffset(const QString& subject, const QRegularExpressionMatch& m) {
    const qsizetype end = m.capturedEnd(0);
    if (end > m.capturedStart(0))
        return end;
    if (end < subject.size() && subject.at(end).isHighSurrogate() && end + 1 < subject.size())
        return end + 2;
    return end + 1;
}

// Expands one "$…" item of a replacement at text[i] ('$'); appends to out and returns the
// number of characters consumed.
qsizetype expandDollar(const QString& text, qsizetype i, const QRegularExpressionMatch& m,
                       const QString& subject, int groups, QString& out) {
    if (i + 1 >= text.size()) {
        out += u'$';
        return 1;
    }
    const QChar c = text.at(i + 1);
    if (c == u'$') {
        out += u'$';
        return 2;
    }
    if (c == u'&') {
        out += m.captured(0);
        return 2;
    }
    if (c == u'`') {
        out += subject.left(m.capturedStart(0));
        return 2;
    }
    if (c == u'\'') {
        out += subject.mid(m.capturedEnd(0));
        return 2;
    }
    if (c.isDigit() && c.unicode() < 0x80) {
        int n = c.digitValue();
        qsizetype used = 2;
        if (i + 2 < text.size() && text.at(i + 2).unicode() < 0x80 && text.at(i + 2).isDigit()) {
            const int two = n * 10 + text.at(i + 2).digitValue();
            if (two >= 1 && two <= groups) {
                n = two;
                used = 3;
            }
        }
        if (n >= 1 && n <= groups) {
            out += m.captured(n);
            return used;
        }
    }
    out += u'$';
    return 1;
}

} // namespace

bool PatternMatcher::MatchAll(const QString& pattern, const QString& subject, bool caseSensitive,
                              bool multiline, bool global, bool quoteMarker) {
    m_matches.clear();
    m_limitHit = false;
    m_hasEngine = true;
    m_pattern = pattern;
    if (quoteMarker)
        m_pattern.replace(QStringLiteral("#引号"), QStringLiteral("\""));
    m_subject = subject;

    QRegularExpression::PatternOptions options;
    if (!caseSensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    if (multiline)
        options |= QRegularExpression::MultilineOption;
    m_regex = compiled(m_pattern, options);
    if (!m_regex.isValid())
        return false;

    qsizetype offset = 0;
    while (offset <= m_subject.size()) {
        QRegularExpressionMatch m =
            m_regex.match(m_subject, offset, QRegularExpression::NormalMatch, kNoUtfCheck);
        if (!m.isValid()) { // the engine gave up (work limit)
            m_limitHit = true;
            break;
        }
        if (!m.hasMatch())
            break;
        offset = nextOffset(m_subject, m);
        m_matches.append(std::move(m));
        if (!global)
            break;
    }
    return true;
}

QString PatternMatcher::PatternText() const {
    return m_hasEngine ? m_pattern : QString();
}

QString PatternMatcher::ReplaceAll(const QString& replacement) const {
    if (m_matches.isEmpty())
        return m_subject;
    const int groups = m_regex.captureCount();
    QString out;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& m : m_matches) {
        out += QStringView(m_subject).mid(copied, m.capturedStart(0) - copied);
        for (qsizetype i = 0; i < replacement.size();) {
            if (replacement.at(i) == u'$') {
                i += expandDollar(replacement, i, m, m_subject, groups, out);
            } else {
                out += replacement.at(i);
                ++i;
            }
        }
        copied = m.capturedEnd(0);
    }
    out += QStringView(m_subject).mid(copied);
    return out;
}

int PatternMatcher::MatchCount() const {
    return int(m_matches.size());
}

const QRegularExpressionMatch* PatternMatcher::matchAt(int match) const {
    if (match < 1 || match > m_matches.size())
        return nullptr;
    return &m_matches[match - 1];
}

int PatternMatcher::gbkOffset(qsizetype index) const {
    return int(GbkEncode(m_subject.left(index)).size());
}

QString PatternMatcher::MatchText(int match, int* position) const {
    const QRegularExpressionMatch* m = matchAt(match);
    if (position)
        *position = m ? gbkOffset(m->capturedStart(0)) : -2;
    return m ? m->captured(0) : QString();
}

QString PatternMatcher::GroupText(int match, int group, int* position) const {
    const QRegularExpressionMatch* m = matchAt(match);
    const bool took =
        m && group >= 1 && group <= m_regex.captureCount() && m->capturedStart(group) >= 0;
    if (position)
        *position = took ? gbkOffset(m->capturedStart(group)) : -2;
    return took ? m->captured(group) : QString();
}

int PatternMatcher::GroupCount() const {
    return m_matches.isEmpty() ? 0 : m_regex.captureCount();
}

} // namespace ts
