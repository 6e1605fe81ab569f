#pragma once
// CompletedTradePanel: the completed-trade query area of the first tab: the button 成交量,
// 查询目标, the summary labels, the list 成交信息 and the button 加入统计.

#include "catalogue/cataloguechoice.h"
#include "gui/messageprompt.h"
#include "tables/reportmodel.h"
#include "trade/completedtrades.h"
#include "trade/querybusy.h"
#include "web/sites.h"

#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeView;

namespace ts {
class CompletedTradeJob;
struct CompletedTradeOutcome;
} // namespace ts

class CompletedTradePanel : public QWidget {
    Q_OBJECT
public:
    // choice reads the completed-trade catalogue set at the moment the query starts and again
    // when the summary is written.
    CompletedTradePanel(const ts::Sites& sites, ts::QueryBusy& busy,
                        std::function<ts::CatalogueChoice()> choice, QWidget* parent = nullptr);
    // Cancels a running query and waits for its worker to notice.
    ~CompletedTradePanel() override;

    ts::ReportModel* trades() const { return m_trades; } // 成交信息
    QTreeView* tradeView() const { return m_view; }
    const QStringList& hiddenPrices() const { return m_prices; }         // 价格_隐
    const QStringList& hiddenUnitPrices() const { return m_unitPrices; } // 单价_隐
    // The captions of the seven summary labels as they stand ("-" before the first query).
    ts::TradeSummary summaryCaptions() const;
    bool queryRunning() const;

    // Test hooks: message boxes, the system browser, the page request's time-out.
    void setPrompt(ts::gui::PromptFn prompt) { m_prompt = std::move(prompt); }
    void setUrlOpener(std::function<void(const QUrl&)> opener) { m_openUrl = std::move(opener); }
    void setRequestTimeoutMs(int ms) { m_timeoutMs = ms; }

public Q_SLOTS:
    void startQuery();       // the button 成交量
    void openCurrentOrder(); // the menu item 查看当前订单

Q_SIGNALS:
    // The state text: caption of 状态 and pane 1 of 状态条1.
    void stateText(const QString& text);
    // Pane 0 (summary line) or pane 2 (time of the last finished query) of 状态条1.
    void statusPane(int pane, const QString& text);
    // The button 加入统计 was pressed (the statistics page asks and adds).
    void addStatisticsRequested();
    // A query ended (rows, labels and panes written).
    void queryFinished(bool ok);

private:
    void onRowRead(const QStringList& cells, const QString& price, const QString& unitPrice);
    void onFinished(const ts::CompletedTradeOutcome& outcome);
    void onTitleClicked(int column);
    void showSummary(const ts::TradeSummary& summary);

    ts::Sites m_sites;
    ts::QueryBusy& m_busy;
    std::function<ts::CatalogueChoice()> m_choice;
    ts::ReportModel* m_trades = nullptr;
    QStringList m_prices, m_unitPrices;
    bool m_currencyRun = false;

    QPushButton* m_queryButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QLabel* m_target = nullptr;
    QLabel* m_sortLabel = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_minPrice = nullptr;
    QLabel* m_maxPrice = nullptr;
    QLabel* m_minUnit = nullptr;
    QLabel* m_maxUnit = nullptr;
    QLabel* m_avgUnit = nullptr;
    QTreeView* m_view = nullptr;
    QMenu* m_menu = nullptr;

    ts::CompletedTradeJob* m_job = nullptr;
    ts::gui::PromptFn m_prompt = ts::gui::ShowMessageBox;
    std::function<void(const QUrl&)> m_openUrl;
    int m_timeoutMs = 18000;
};
