#pragma once
// MainWindow: the program's window: six tab pages in 选择夹1, the status bar 状态条1, and the
// two catalogue sets of the first and third pages. Owns the query busy flag and the catalogue
// (whose loads run as jobs; closing the window stops them).

#include "trade/querybusy.h"
#include "web/sites.h"

#include <QMainWindow>
#include <memory>

class CatalogueSetWidget;
class CompletedTradePanel;
class PaneStatusBar;
class QLabel;
class QTabWidget;

namespace ts {
class CatalogueController;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // runDir: the program's directory, where the settings file and the alarm sound go.
    MainWindow(const ts::Sites& sites, const QString& runDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    ts::CatalogueController* catalogue() const { return m_catalogue.get(); }
    ts::QueryBusy& queryBusy() { return m_busy; }
    PaneStatusBar* paneStatusBar() const { return m_status; }
    CatalogueSetWidget* catalogueSetWidget(int set) const { return m_setWidgets[set]; }
    CompletedTradePanel* completedTradePanel() const { return m_panel; }
    // The free area of the third page, below the open-order catalogue set.
    QWidget* openOrderArea() const { return m_openOrderArea; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTradePage();
    QWidget* buildStatisticsPage();
    QWidget* buildMonitorPage();
    QWidget* buildRankingPage();
    QWidget* buildMessagePage();
    QWidget* buildAboutPage();
    void connectSet(CatalogueSetWidget* widget);
    void showLevel(int set, int level);
    void catalogueStatus(const QString& text);
    void writeStartupFiles();

    ts::Sites m_sites;
    QString m_runDir;
    ts::QueryBusy m_busy;
    std::unique_ptr<ts::CatalogueController> m_catalogue;
    QTabWidget* m_tabs = nullptr;
    PaneStatusBar* m_status = nullptr;
    QLabel* m_stateLabel = nullptr;
    CompletedTradePanel* m_panel = nullptr;
    CatalogueSetWidget* m_setWidgets[2] = {nullptr, nullptr};
    QWidget* m_openOrderArea = nullptr;
};
