#pragma once
// PatternMatcher: one regular-expression run over a text, with matches and groups counted
// from 1. "." never matches a line feed; case is ignored by default. Work per run is bounded
// so that a pathological page cannot hang a worker.

#include <QRegularExpression>
#include <QString>
#include <QVector>

namespace ts {

class PatternMatcher {
public:
    // True when the pattern was accepted (also when nothing matched); false for a rejected
    // pattern, which leaves no matches. quoteMarker replaces every "#引号" by a double quote.
    bool MatchAll(const QString& pattern, const QString& subject, bool caseSensitive = false,
                  bool multiline = true, bool global = true, bool quoteMarker = false);
    QString PatternText() const;
    // The stored subject with the matches replaced; "$1".."$99", "$&", "$`", "$'" and "$$"
    // in the replacement stand for groups, the match, the text before and after it, and "$".
    QString ReplaceAll(const QString& replacement) const;
    int MatchCount() const;
    // position (optional, out): offset in the GBK form of the subject, -2 when not found.
    QString MatchText(int match, int* position = nullptr) const;
    QString GroupText(int match, int group, int* position = nullptr) const;
    int GroupCount() const;
    // True when the last run stopped at the work limit; the matches found before it remain.
    bool LimitHit() const { return m_limitHit; }

    // Work limit of one search step (PCRE2 match limit), shared by every run.
    static constexpr int kMatchLimit = 5'000'000;

private:
    const QRegularExpressionMatch* matchAt(int match) const;
    int gbkOffset(qsizetype index) const;

    QRegularExpression m_regex;
    bool m_hasEngine = false;
    bool m_limitHit = false;
    QString m_pattern;
    QString m_subject;
    QVector<QRegularExpressionMatch> m_matches;
};

} // namespace ts
