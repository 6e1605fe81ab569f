#include "tables/sortreportlist.h"

#include "web/charsets.h"
#include "web/textrules.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace ts {

namespace {

// Ranked list of row indexes with cheap access by rank and insertion at a rank: blocks of
// up to kBlockCap entries plus the rank at which each block starts.
class RankedList {
public:
    static constexpr int kBlockCap = 512;

    int size() const { return m_size; }
    int front() const { return m_blocks.front().front(); }
    int back() const { return m_blocks.back().back(); }

    int at(int rank) const {
        const int b = blockOf(rank);
        return m_blocks[size_t(b)][size_t(rank - m_starts[size_t(b)])];
    }

    void insert(int rank, int value) {
        if (m_blocks.empty()) {
            m_blocks.emplace_back();
            m_blocks.back().reserve(kBlockCap + 1);
            m_starts.push_back(0);
        }
        // The block that holds the rank, or the last one when appending.
        const int b = rank >= m_size ? int(m_blocks.size()) - 1 : blockOf(rank);
        std::vector<int>& block = m_blocks[size_t(b)];
        block.insert(block.begin() + (rank - m_starts[size_t(b)]), value);
        for (size_t i = size_t(b) + 1; i < m_starts.size(); ++i)
            ++m_starts[i];
        ++m_size;
        if (int(block.size()) > kBlockCap) {
            std::vector<int> upper(block.begin() + kBlockCap / 2, block.end());
            block.resize(kBlockCap / 2);
            upper.reserve(kBlockCap + 1);
            m_blocks.insert(m_blocks.begin() + b + 1, std::move(upper));
            m_starts.insert(m_starts.begin() + b + 1, m_starts[size_t(b)] + kBlockCap / 2);
        }
    }

    QVector<int> toVector() const {
        QVector<int> out;
        out.reserve(m_size);
        for (const std::vector<int>& block : m_blocks)
            for (int v : block)
                out.append(v);
        return out;
    }

private:
    int blockOf(int rank) const {
        const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), rank);
        return int(it - m_starts.begin()) - 1;
    }

    std::vector<std::vector<int>> m_blocks;
    std::vector<int> m_starts;
    int m_size = 0;
};

// Places every entry 0..n-1, in that order, at its insertion position among the entries
// placed so far. cmp(x, k) is the three-way comparison of entry x with entry k.
template <typename Compare> QVector<int> InsertionOrder(int n, Compare cmp) {
    RankedList keys;
    for (int x = 0; x < n; ++x) {
        const int c = keys.size();
        int position; // 0-based
        if (c == 0 || cmp(x, keys.back()) >= 0) {
            position = c;
        } else if (cmp(x, keys.front()) <= 0) {
            position = 0;
        } else {
            int lo = 1, hi = c; // 1-based, as the halving is defined
            while (hi - lo > 1) {
                const int mid = (lo + hi) / 2;
                const int r = cmp(x, keys.at(mid - 1));
                if (r == 0) {
                    lo = mid;
                    break;
                }
                if (r < 0)
                    hi = mid;
                else
                    lo = mid;
            }
            position = lo; // 1-based lo + 1, made 0-based
        }
        keys.insert(position, x);
    }
    return keys.toVector();
}

int CompareWithTolerance(double a, double b) {
    const double d = a - b;
    if (d < -kSortTolerance)
        return -1;
    if (d > kSortTolerance)
        return 1;
    return 0;
}

bool IsAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

double DayCount(const QDate& date, const QTime& time) {
    return double(date.toJulianDay()) + double(time.msecsSinceStartOfDay()) / 86400000.0;
}

} // namespace

QByteArray TextSortKey(const QString& text, bool caseSensitive) {
    QByteArray bytes = IsAscii(text) ? text.toLatin1() : GbkEncode(text);
    if (!caseSensitive) {
        char* p = bytes.data();
        const qsizetype n = bytes.size();
        for (qsizetype i = 0; i < n; ++i) {
            const unsigned char b = static_cast<unsigned char>(p[i]);
            if (b >= 0x81 && i + 1 < n) {
                ++i; // second byte of a two-byte character
            } else if (b >= 'A' && b <= 'Z') {
                p[i] = char(b + ('a' - 'A'));
            }
        }
    }
    return bytes;
}

double DateTimeDayCount(const QString& text) {
    static const double kUnreadable = DayCount(QDate(100, 1, 1), QTime(0, 0));
    static const QRegularExpression datePart(
        QStringLiteral("^\\s*(\\d{1,4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})\\s*日?"));
    static const QRegularExpression colonTime(
        QStringLiteral("^[T\\s]*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    static const QRegularExpression wordTime(
        QStringLiteral("^\\s*(\\d{1,2})时(?:\\s*(\\d{1,2})分(?:\\s*(\\d{1,2})秒)?)?\\s*$"));

    const QRegularExpressionMatch d = datePart.match(text);
    if (!d.hasMatch())
        return kUnreadable;
    const QDate date(d.captured(1).toInt(), d.captured(2).toInt(), d.captured(3).toInt());
    if (!date.isValid())
        return kUnreadable;
    const QString rest = text.mid(d.capturedEnd(0));
    if (rest.trimmed().isEmpty())
        return DayCount(date, QTime(0, 0));
    QRegularExpressionMatch t = colonTime.match(rest);
    if (!t.hasMatch())
        t = wordTime.match(rest);
    if (!t.hasMatch())
        return kUnreadable;
    const QTime time(t.captured(1).toInt(), t.captured(2).toInt(), t.captured(3).toInt());
    if (!time.isValid())
        return kUnreadable;
    return DayCount(date, time);
}

QVector<int> SortOrder(const QStringList& texts, int rule, bool caseSensitive) {
    if (rule < SortNumber || rule > SortLogical)
        rule = SortText;
    const int n = int(texts.size());

    if (rule == SortLogical) {
        // "假" goes last (in row order), everything else first (each in front of the last).
        QVector<int> front, back;
        for (int r = 0; r < n; ++r)
            (texts[r] == QStringLiteral("假") ? back : front).append(r);
        std::reverse(front.begin(), front.end());
        return front + back;
    }

    if (rule == SortText) {
        std::vector<QByteArray> keys;
        keys.reserve(size_t(n));
        for (const QString& t : texts)
            keys.push_back(TextSortKey(t, caseSensitive));
        return InsertionOrder(n, [&keys](int x, int k) {
            const QByteArray& a = keys[size_t(x)];
            const QByteArray& b = keys[size_t(k)];
            const size_t len = size_t(std::min(a.size(), b.size()));
            const int c = len ? std::memcmp(a.constData(), b.constData(), len) : 0;
            if (c != 0)
                return c < 0 ? -1 : 1;
            return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
        });
    }

    std::vector<double> keys;
    keys.reserve(size_t(n));
    for (const QString& t : texts)
        keys.push_back(rule == SortNumber ? TextToNumber(t) : DateTimeDayCount(t));
    return InsertionOrder(n, [&keys](int x, int k) {
        return CompareWithTolerance(keys[size_t(x)], keys[size_t(k)]);
    });
}

void SortReportList(ReportModel& list, int column, int rule, bool caseSensitive, bool ascending) {
    const QVector<QStringList>& rows = list.rows();
    const int n = int(rows.size());
    if (n == 0)
        return;
    QStringList texts;
    texts.reserve(n);
    for (const QStringList& row : rows)
        texts.append(column >= 0 && column < row.size() ? row[column] : QString());
    const QVector<int> order = SortOrder(texts, rule, caseSensitive);

    // Every row's texts are taken before any is written back.
    QVector<QStringList> sorted;
    sorted.reserve(n);
    for (int k = 0; k < n; ++k)
        sorted.append(rows[ascending ? order[k] : order[n - 1 - k]]);
    list.replaceAllTexts(std::move(sorted));
}

QString SortByColumnTitle(ReportModel& list, int column, const QVector<int>& rules,
                          const QString& label) {
    const int rule = (column >= 0 && column < rules.size()) ? rules[column] : kNoSortRule;
    if (label == kSortDescendingLabel) {
        if (rule != kNoSortRule)
            SortReportList(list, column, rule, true, true);
        return kSortAscendingLabel;
    }
    if (label == kSortAscendingLabel) {
        if (rule != kNoSortRule)
            SortReportList(list, column, rule, true, false);
        return kSortDescendingLabel;
    }
    return label;
}

} // namespace ts
