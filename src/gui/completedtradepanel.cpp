#include "gui/completedtradepanel.h"

CompletedTradePanel::CompletedTradePanel(const ts::Sites& sites, ts::QueryBusy& busy,
                                         std::function<ts::CatalogueChoice()> choice,
                                         QWidget* parent)
    : QWidget(parent), m_sites(sites), m_busy(busy), m_choice(std::move(choice)),
      m_trades(new ts::ReportModel(this)) {}
