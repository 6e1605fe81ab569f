// Cut-and-match of a synthetic 1,000-row list page: TextBetween for the item block,
// SplitText at "</tr>", then one multi-line row pattern (12 lines, 7 lazy groups, CR LF line
// breaks, Chinese text) per piece, as the list-page readers do it. The same page is handed to
// bench_web_re.py (Python's re) in the same run for comparison.
//
//   bench_web [--write-page FILE] [benchmark options]

#include "web/patternmatcher.h"
#include "web/textrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int kRows = 1000;

const QString kRowPattern = QStringLiteral(
    "<tr class=\"goods-row\">\r\n"
    "<td class=\"title\"><a href=\"/detail/(.*?).html\" target=\"_blank\">(.*?)</a></td>\r\n"
    "<td class=\"desc\">.*?</td>\r\n"
    "<td class=\"area\">(.*?)</td>\r\n"
    "<td class=\"kind\">.*?</td>\r\n"
    "<td class=\"price\"><span>(.*?)</span>元</td>\r\n"
    "<td class=\"amount\">(.*?)</td>\r\n"
    "<td class=\"unit\">(.*?)元/金</td>\r\n"
    "<td class=\"seller\"><img src=\"http://img.dd373.com/.*?\" />.*?</td>\r\n"
    "<td class=\"state\">.*?</td>\r\n"
    "<td class=\"time\">(.*?)</td>\r\n"
    "<td class=\"op\"><a href=\".*?\">购买</a></td>\r\n");

// A deterministic page of kRows rows, about 2 MB as UTF-8.
QString makePage() {
    const QString filler = QStringLiteral(
        "本店信誉第一，金币均为手工打金所得，安全可靠，拍下后五分钟内发货，请在线等待客服联系，"
        "交易地点为主城银行门口，请勿相信任何私下交易的要求，谨防上当受骗。");
    QString desc;
    while (desc.size() < 520)
        desc += filler;
    QString page = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>列表</title></head>"
                                  "<body>\r\n<table>\r\n<tbody id=\"goods\">\r\n");
    for (int i = 0; i < kRows; ++i) {
        const double price = 100 + (i * 37) % 900 + 0.5;
        const int amount = 1000 + (i * 131) % 9000;
        page += QStringLiteral("<tr class=\"goods-row\">\r\n"
                               "<td class=\"title\"><a href=\"/detail/%1.html\" "
                               "target=\"_blank\">【诚信商家】%2万金币 秒发</a></td>\r\n"
                               "<td class=\"desc\">%3</td>\r\n"
                               "<td class=\"area\">电信一区/紫禁之巅%4</td>\r\n"
                               "<td class=\"kind\">游戏币</td>\r\n"
                               "<td class=\"price\"><span>%5</span>元</td>\r\n"
                               "<td class=\"amount\">%6金</td>\r\n"
                               "<td class=\"unit\">%7元/金</td>\r\n"
                               "<td class=\"seller\"><img src=\"http://img.dd373.com/i/v%8.png\" "
                               "/>卖家%9</td>\r\n"
                               "<td class=\"state\">在售</td>\r\n"
                               "<td class=\"time\">2013-05-%10 15:%11:20</td>\r\n"
                               "<td class=\"op\"><a href=\"/buy/%1.html\">购买</a></td>\r\n"
                               "</tr>\r\n")
                    .arg(QStringLiteral("G%1").arg(100000 + i))
                    .arg(amount / 100)
                    .arg(desc)
                    .arg(i % 40)
                    .arg(price)
                    .arg(amount)
                    .arg(price / amount, 0, 'f', 4)
                    .arg(i % 5)
                    .arg(i)
                    .arg(1 + i % 28)
                    .arg(i % 60, 2, 10, QLatin1Char('0'));
    }
    page += QStringLiteral("</tbody>\r\n</table>\r\n</body></html>\r\n");
    return page;
}

const QString& page() {
    static const QString p = makePage();
    return p;
}

// One reader pass: the cells of every row.
int cutAndMatch(const QString& text) {
    const QString block =
        ts::TextBetween(text, QStringLiteral("<tbody id=\"goods\">"), QStringLiteral("</tbody>"));
    int rows = 0;
    ts::PatternMatcher m;
    for (const QString& piece : ts::SplitText(block, QStringLiteral("</tr>"))) {
        m.MatchAll(kRowPattern, piece);
        for (int i = 1; i <= m.MatchCount(); ++i) {
            for (int g = 1; g <= 7; ++g)
                benchmark::DoNotOptimize(m.GroupText(i, g));
            ++rows;
        }
    }
    return rows;
}

void setCounters(benchmark::State& state, double bytesPerPage) {
    state.counters["pages/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["MB/s"] = benchmark::Counter(double(state.iterations()) * bytesPerPage / 1e6,
                                                benchmark::Counter::kIsRate);
}

void BM_CutAndMatchPage(benchmark::State& state) {
    const QString& text = page();
    const double bytes = double(text.toUtf8().size());
    int rows = 0;
    for (auto _ : state)
        rows = cutAndMatch(text);
    if (rows != kRows)
        state.SkipWithError("the row pattern did not match every row");
    state.counters["page_MB"] = bytes / 1e6;
    setCounters(state, bytes);
}
BENCHMARK(BM_CutAndMatchPage)->Unit(benchmark::kMillisecond);

// Python's re on the same page, timed by the script itself; one iteration is one page.
void BM_PythonRePage(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.html"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(page().toUtf8()) < 0) {
        state.SkipWithError("cannot write the page");
        return;
    }
    out.close();
    const QString script =
        QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("bench_web_re.py"));
    const double bytes = double(page().toUtf8().size());
    for (auto _ : state) {
        QProcess py;
        py.start(QStringLiteral("python3"), {script, file, QStringLiteral("--json")});
        if (!py.waitForFinished(600000) || py.exitCode() != 0) {
            state.SkipWithError("python3 bench_web_re.py failed");
            return;
        }
        const QJsonObject r = QJsonDocument::fromJson(py.readAllStandardOutput()).object();
        if (r.value(QStringLiteral("rows")).toInt() != kRows) {
            state.SkipWithError("the Python pattern did not match every row");
            return;
        }
        state.SetIterationTime(r.value(QStringLiteral("seconds_per_page")).toDouble());
    }
    setCounters(state, bytes);
}
BENCHMARK(BM_PythonRePage)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// --write-page FILE: write the page (UTF-8) for running the Python script by hand.
bool writePageOption(int& argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-page") != 0)
            continue;
        QFile f(QString::fromLocal8Bit(argv[i + 1]));
        const bool ok = f.open(QIODevice::WriteOnly) && f.write(page().toUtf8()) >= 0;
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        return ok;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!writePageOption(argc, argv))
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
