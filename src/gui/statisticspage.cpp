#include "gui/statisticspage.h"

StatisticsPage::StatisticsPage(CompletedTradePanel* source, QWidget* parent)
    : QWidget(parent), m_source(source) {}
