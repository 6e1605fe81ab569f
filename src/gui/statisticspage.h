#pragma once
// StatisticsPage: the second tab: the comparison table 统计列表 with its delete and clear
// buttons. Rows are added from the completed-trade panel's 加入统计 button.

#include "gui/messageprompt.h"

#include <QWidget>

class CompletedTradePanel;
class QPushButton;
class QTreeView;

namespace ts {
class ReportModel;
}

class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(CompletedTradePanel* source, QWidget* parent = nullptr);

    ts::ReportModel* statistics() const { return m_stats; } // 统计列表
    QTreeView* statisticsView() const { return m_view; }
    void setPrompt(ts::gui::PromptFn prompt) { m_prompt = std::move(prompt); }

public Q_SLOTS:
    void addCurrentSummary(); // 加入统计
    void deleteSelected();    // 按钮_删除单条
    void clearAll();          // 按钮_清空统计

private:
    bool confirm(const QString& question);

    CompletedTradePanel* m_source;
    ts::ReportModel* m_stats = nullptr;
    QTreeView* m_view = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_clear = nullptr;
    ts::gui::PromptFn m_prompt = ts::gui::ShowMessageBox;
};
