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
    QString ReplaceAll(const QString& replacement) const;
    int MatchCount() const;
    // position (optional, out): offset in the GBK form of the subject, -2 when not found.
    QString MatchText(int match, int* position = nullptr) const;
    QString GroupText(int match, int group, int* position = nullptr) const;
    int GroupCount() const;

private:
    QRegularExpression m_regex;
    bool m_hasEngine = false;
    QString m_subject;
    QVector<QRegularExpressionMatch> m_matches;
};

} // namespace ts
