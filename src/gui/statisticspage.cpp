#include "gui/statisticspage.h"

#include "gui/completedtradepanel.h"
#include "tables/reportmodel.h"
#include "trade/statistics.h"
#include "web/textrules.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace ts;

StatisticsPage::StatisticsPage(CompletedTradePanel* source, QWidget* parent)
    : QWidget(parent), m_source(source), m_stats(new ReportModel(StatisticsColumns(), this)) {
    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("统计列表"));
    m_view->setModel(m_stats);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setSortingEnabled(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setStretchLastSection(false);
    const QVector<ReportColumn> columns = StatisticsColumns();
    for (int c = 0; c < columns.size(); ++c)
        m_view->header()->resizeSection(c, columns[c].width);
    connect(m_view->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortStatisticsByColumn(*m_stats, column); });

    m_delete = new QPushButton(QStringLiteral("删除选中统计数据"), this);
    m_delete->setObjectName(QStringLiteral("按钮_删除单条"));
    m_clear = new QPushButton(QStringLiteral("清空统计数据"), this);
    m_clear->setObjectName(QStringLiteral("按钮_清空统计"));
    connect(m_delete, &QPushButton::clicked, this, &StatisticsPage::deleteSelected);
    connect(m_clear, &QPushButton::clicked, this, &StatisticsPage::clearAll);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    if (m_source)
        connect(m_source, &CompletedTradePanel::addStatisticsRequested, this,
                &StatisticsPage::addCurrentSummary);
}

bool StatisticsPage::confirm(const QString& question) {
    return m_prompt(this, QStringLiteral("Marketloom 提醒您！"), question,
                    gui::PromptButtons::YesNo);
}

void StatisticsPage::addCurrentSummary() {
    if (!m_source || !confirm(QStringLiteral("你确定要将当前信息添加到成交量统计吗？")))
        return;
    AddStatisticsRow(*m_stats, *m_source->trades(), m_source->summaryCaptions(),
                     CurrentDateTimeText());
}

void StatisticsPage::deleteSelected() {
    if (!confirm(QStringLiteral("你确定 删除当前选项数据吗？")))
        return;
    const QModelIndexList selected = m_view->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    m_stats->removeRowAt(selected.first().row());
    // The view selects a neighbour of a removed row; a second press must not delete a row the
    // user never chose.
    m_view->selectionModel()->clearSelection();
}

void StatisticsPage::clearAll() {
    if (!confirm(QStringLiteral("你确定 清空当前统计数据吗？")))
        return;
    m_stats->clear();
}
