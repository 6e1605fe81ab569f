#pragma once
// StatisticsPage: the second tab: the comparison table 统计列表 with its delete and clear
// buttons. Rows are added from the completed-trade panel's 加入统计 button.

#include <QWidget>

class CompletedTradePanel;

class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(CompletedTradePanel* source, QWidget* parent = nullptr);

private:
    CompletedTradePanel* m_source;
};
