#pragma once
// CompletedTradePanel: the completed-trade query area of the first tab: the button 成交量,
// 查询目标, the summary labels, the list 成交信息 and the button 加入统计.

#include "catalogue/cataloguechoice.h"
#include "tables/reportmodel.h"
#include "trade/querybusy.h"
#include "web/sites.h"

#include <QWidget>
#include <functional>

class CompletedTradePanel : public QWidget {
    Q_OBJECT
public:
    // choice reads the completed-trade catalogue set at the moment the query starts and again
    // when the summary is written.
    CompletedTradePanel(const ts::Sites& sites, ts::QueryBusy& busy,
                        std::function<ts::CatalogueChoice()> choice, QWidget* parent = nullptr);

    ts::ReportModel* trades() const { return m_trades; } // 成交信息

Q_SIGNALS:
    // The state text: caption of 状态 and pane 1 of 状态条1.
    void stateText(const QString& text);
    // Pane 0 (summary line) or pane 2 (time of the last finished query) of 状态条1.
    void statusPane(int pane, const QString& text);

private:
    ts::Sites m_sites;
    ts::QueryBusy& m_busy;
    std::function<ts::CatalogueChoice()> m_choice;
    ts::ReportModel* m_trades = nullptr;
};
