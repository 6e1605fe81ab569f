#include "gui/completedtradepanel.h"

#include "tables/sortreportlist.h"
#include "trade/completedtradequery.h"
#include "trade/listpage.h"
#include "web/textrules.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace ts;

namespace {

// Sort rule of each column of 成交信息; 交易地址 has none.
const QVector<int> kTradeSortRules = {SortNumber, SortText,   SortText,   SortText,
                                      SortNumber, SortNumber, SortNumber, kNoSortRule};

const QString kInitialCaption = QStringLiteral("-");

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

CompletedTradePanel::CompletedTradePanel(const ts::Sites& sites, ts::QueryBusy& busy,
                                         std::function<ts::CatalogueChoice()> choice,
                                         QWidget* parent)
    : QWidget(parent), m_sites(sites), m_busy(busy), m_choice(std::move(choice)),
      m_trades(new ts::ReportModel(this)) {
    QVector<ReportColumn> columns;
    const QStringList titles = CompletedTradeTitles();
    const QVector<int> widths = CompletedTradeWidths();
    for (int c = 0; c < titles.size(); ++c)
        columns.append({titles[c], widths[c]});
    m_trades->setColumns(columns);

    m_openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    m_queryButton = new QPushButton(QStringLiteral("获取成交信息"), this);
    m_queryButton->setObjectName(QStringLiteral("成交量"));
    m_addButton = new QPushButton(QStringLiteral("添加统计信息"), this);
    m_addButton->setObjectName(QStringLiteral("加入统计"));
    m_target = makeLabel(QStringLiteral("查询目标"), QString(), this);
    m_sortLabel = makeLabel(QStringLiteral("透明标签_排序"), kSortDescendingLabel, this);
    m_sortLabel->hide();

    m_count = makeLabel(QStringLiteral("标签_交易笔数"), kInitialCaption, this);
    m_total = makeLabel(QStringLiteral("标签_交易总金额"), kInitialCaption, this);
    m_minPrice = makeLabel(QStringLiteral("标签_最低价"), kInitialCaption, this);
    m_maxPrice = makeLabel(QStringLiteral("标签_最高价"), kInitialCaption, this);
    m_minUnit = makeLabel(QStringLiteral("标签_最低单价"), kInitialCaption, this);
    m_maxUnit = makeLabel(QStringLiteral("标签_最高单价"), kInitialCaption, this);
    m_avgUnit = makeLabel(QStringLiteral("标签_平均单价"), kInitialCaption, this);

    auto* summary = new QGridLayout;
    const QList<QPair<QString, QLabel*>> captions = {
        {QStringLiteral("总成交"), m_total},      {QStringLiteral("交易量"), m_count},
        {QStringLiteral("最低金额"), m_minPrice}, {QStringLiteral("最高金额"), m_maxPrice},
        {QStringLiteral("最低单价"), m_minUnit},  {QStringLiteral("最高单价"), m_maxUnit},
        {QStringLiteral("平均单价"), m_avgUnit}};
    for (int i = 0; i < captions.size(); ++i) {
        summary->addWidget(new QLabel(captions[i].first, this), i / 4, (i % 4) * 2);
        summary->addWidget(captions[i].second, i / 4, (i % 4) * 2 + 1);
    }

    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("成交信息"));
    m_view->setModel(m_trades);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setSortingEnabled(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setStretchLastSection(false);
    for (int c = 0; c < widths.size(); ++c)
        m_view->header()->resizeSection(c, widths[c]);
    connect(m_view->header(), &QHeaderView::sectionClicked, this,
            &CompletedTradePanel::onTitleClicked);

    m_menu = new QMenu(QStringLiteral("功能"), this);
    m_menu->setObjectName(QStringLiteral("功能"));
    QAction* open = m_menu->addAction(QStringLiteral("查看当前订单"));
    open->setObjectName(QStringLiteral("查看当前订单"));
    connect(open, &QAction::triggered, this, &CompletedTradePanel::openCurrentOrder);
    QAction* exportAction = m_menu->addAction(QStringLiteral("成交信息导出Excel"));
    exportAction->setObjectName(QStringLiteral("成交信息导出Excel"));
    exportAction->setEnabled(false); // the export arrives later
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_view->viewport()->mapToGlobal(pos)); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_queryButton);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_target, 1);
    buttons->addWidget(m_sortLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(summary);
    layout->addWidget(m_view, 1);

    connect(m_queryButton, &QPushButton::clicked, this, &CompletedTradePanel::startQuery);
    connect(m_addButton, &QPushButton::clicked, this, &CompletedTradePanel::addStatisticsRequested);
}

CompletedTradePanel::~CompletedTradePanel() {
    // The job's destructor cancels the worker and waits for it: nothing is emitted into this
    // panel after this point. QueryBusy belongs to the window and may already be gone.
    delete m_job;
    m_job = nullptr;
}

bool CompletedTradePanel::queryRunning() const {
    return m_job != nullptr;
}

ts::TradeSummary CompletedTradePanel::summaryCaptions() const {
    TradeSummary s;
    s.count = m_count->text();
    s.total = m_total->text();
    s.minPrice = m_minPrice->text();
    s.maxPrice = m_maxPrice->text();
    s.minUnitPrice = m_minUnit->text();
    s.maxUnitPrice = m_maxUnit->text();
    s.avgUnitPrice = m_avgUnit->text();
    return s;
}

void CompletedTradePanel::startQuery() {
    // One query at a time: a completed-trade or open-order query holds QueryBusy until it ends.
    if (!m_busy.tryStart()) {
        m_prompt(this, QStringLiteral("警告"), QStringLiteral("正在获取交易量中"),
                 gui::PromptButtons::Ok);
        return;
    }
    const CatalogueChoice choice = m_choice ? m_choice() : CatalogueChoice();
    m_target->setText(
        QueryTargetText(choice.gameName, choice.regionName, choice.serverName, choice.typeName));
    Q_EMIT stateText(QStringLiteral("正在查询，请等待....."));
    if (!choice.gameChosen) {
        m_prompt(this, QStringLiteral("警告"), QStringLiteral("请选择你们要查询的游戏！"),
                 gui::PromptButtons::Ok);
        m_busy.finish();
        return;
    }
    if (!choice.serverChosen) {
        m_prompt(this, QStringLiteral("警告"), QStringLiteral("请选择你们要查询的游戏服务器！"),
                 gui::PromptButtons::Ok);
        m_busy.finish();
        return;
    }
    const QString region = choice.regionId.isEmpty() ? QStringLiteral("0") : choice.regionId;
    const QString type = choice.typeId.isEmpty() ? QStringLiteral("0") : choice.typeId;

    m_trades->clear();
    m_prices.clear();
    m_unitPrices.clear();

    CompletedTradeQuery query;
    query.sites = m_sites;
    query.address = ListPageAddress(m_sites, choice.gameId, region, choice.serverId, type,
                                    QStringLiteral("1000"), QStringLiteral("0"));
    query.productTypeName = choice.typeName;
    m_currencyRun = IsCurrencyType(choice.typeName);
    query.timeoutMs = m_timeoutMs;
    m_job = new CompletedTradeJob(query, this);
    connect(m_job, &CompletedTradeJob::rowRead, this, &CompletedTradePanel::onRowRead);
    connect(m_job, &CompletedTradeJob::finished, this, &CompletedTradePanel::onFinished);
    m_job->start();
}

void CompletedTradePanel::onRowRead(const QStringList& cells, const QString& price,
                                    const QString& unitPrice) {
    // Rows are numbered by the list's own row count (a sort in between does not renumber).
    QStringList row = cells;
    row[TradeNumber] = QString::number(m_trades->rowCount() + 1);
    m_trades->appendRow(row);
    m_prices.append(price);
    if (m_currencyRun)
        m_unitPrices.append(unitPrice);
}

void CompletedTradePanel::showSummary(const ts::TradeSummary& s) {
    m_count->setText(s.count);
    m_total->setText(s.total);
    m_minPrice->setText(s.minPrice);
    m_maxPrice->setText(s.maxPrice);
    m_minUnit->setText(s.minUnitPrice);
    m_maxUnit->setText(s.maxUnitPrice);
    m_avgUnit->setText(s.avgUnitPrice);
}

void CompletedTradePanel::onFinished(const ts::CompletedTradeOutcome& outcome) {
    if (m_job) {
        m_job->deleteLater();
        m_job = nullptr;
    }
    showSummary(outcome.summary);
    const CatalogueChoice choice = m_choice ? m_choice() : CatalogueChoice();
    Q_EMIT statusPane(0, TradeSummaryLine(choice.gameName, choice.regionName, choice.serverName,
                                          choice.typeName, outcome.summary));
    Q_EMIT stateText(outcome.ok ? QStringLiteral("查询完毕！") : outcome.failure);
    Q_EMIT statusPane(2, CurrentDateTimeText());
    m_busy.finish();
    Q_EMIT queryFinished(outcome.ok);
}

void CompletedTradePanel::onTitleClicked(int column) {
    m_sortLabel->setText(
        SortByColumnTitle(*m_trades, column, kTradeSortRules, m_sortLabel->text()));
}

void CompletedTradePanel::openCurrentOrder() {
    const QModelIndex current = m_view->currentIndex();
    const QString address =
        current.isValid() ? m_trades->text(current.row(), TradeAddress) : QString();
    if (address.isEmpty())
        return;
    // Only web addresses go to the system browser; a page could put anything in this cell.
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && !url.host().isEmpty() &&
        (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        m_openUrl(url);
}
