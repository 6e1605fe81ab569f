#include "gui/mainwindow.h"

#include "catalogue/cataloguecontroller.h"
#include "gui/cataloguesetwidget.h"
#include "gui/completedtradepanel.h"
#include "gui/panestatusbar.h"
#include "gui/statisticspage.h"
#include "shell/startupfiles.h"
#include "tables/reportmodel.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kFeatures[] = {
    "成交量信息查询", "计算最小单价总价",     "成交量统计",
    "未交易信息查询", "支持价格监控低价报警", "游戏交易排行榜",
    "游戏交易行情",   "17173新游戏交易行情",  "一键查询5173所有游戏交易量",
    "单独日期查询"};

const char* const kUsageNotes[] = {
    "①成交量查询：在“DD373成交量查询”页依次选择游戏、商品类型、游戏分区和游戏伺服，"
    "点击“获取成交信息”。",
    "②点击列表的列标题按该列排序，再次点击反向排序。",
    "③在成交信息上点击鼠标右键可查看该笔交易的页面；“添加统计信息”把当前结果加入成交量统计。",
    "④价格监控：在“DD373价格监控”页选择游戏、商品类型、分区和服务器，点击“获取未交易信息”"
    "查询正在出售的订单。",
    "⑤监控报警：填好单价和价格范围，选择监控间隔和报警方式，点击“开始监控”；"
    "出现范围内的订单时报警。",
    "⑥排行榜：点击“获取最近一周排行榜信息”查看最近一周的游戏币和装备交易排行。",
    "⑦历史排行：在历史列表中选择一周，查看当周的排行榜。",
    "⑧排行走势：走势图显示各游戏排名的变化。",
    "⑨5173统计：点击“5173游戏币行情”浏览各游戏的5173交易行情。",
    "⑩点击“17173新游戏交易量”查看17173新游戏测试表及其在5173的交易量；"
    "“5173游戏总交易量”一键查询5173所有游戏的交易量。"};

QPushButton* placeholderButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setEnabled(false); // the feature behind it is not built yet
    return b;
}

QLabel* hiddenLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

MainWindow::MainWindow(const ts::Sites& sites, const QString& runDir, QWidget* parent)
    : QMainWindow(parent), m_sites(sites), m_runDir(runDir),
      m_catalogue(std::make_unique<ts::CatalogueController>(sites)) {
    setWindowTitle(QStringLiteral("Orvenhal Tallyscope v1.000"));
    move(50, 50);
    resize(1000, 640);

    m_status = new PaneStatusBar(this);
    m_status->setObjectName(QStringLiteral("状态条1"));
    setStatusBar(m_status);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("选择夹1"));
    m_tabs->addTab(buildTradePage(), QStringLiteral("DD373成交量查询"));
    m_tabs->addTab(buildStatisticsPage(), QStringLiteral("DD373成交量统计"));
    m_tabs->addTab(buildMonitorPage(), QStringLiteral("DD373价格监控"));
    m_tabs->addTab(buildRankingPage(), QStringLiteral("游戏币装备 排行榜 交易行情"));
    m_tabs->addTab(buildMessagePage(), QStringLiteral("留言口水"));
    m_tabs->addTab(buildAboutPage(), QStringLiteral("检查更新说明"));
    setCentralWidget(m_tabs);

    connect(m_catalogue.get(), &ts::CatalogueController::levelChanged, this,
            &MainWindow::showLevel);
    connect(m_catalogue.get(), &ts::CatalogueController::statusText, this,
            &MainWindow::catalogueStatus);
    connect(m_catalogue.get(), &ts::CatalogueController::gameChosen, this, [this](int set) {
        if (set != ts::OpenOrderSet)
            return;
        // The open-order results belong to the game chosen before.
        if (auto* view = findChild<QAbstractItemView*>(QStringLiteral("成交信息_未")))
            if (auto* model = qobject_cast<ts::ReportModel*>(view->model()))
                model->clear();
    });
    for (CatalogueSetWidget* w : m_setWidgets)
        connectSet(w);

    writeStartupFiles();
    m_catalogue->loadGameList();
    m_setWidgets[ts::CompletedTradeSet]->letterCombo()->setFocus();
}

MainWindow::~MainWindow() {
    m_catalogue->cancelAll();
    // The pages use m_busy: they go before the members do.
    delete takeCentralWidget();
}

QWidget* MainWindow::buildTradePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_setWidgets[ts::CompletedTradeSet] = new CatalogueSetWidget(ts::CompletedTradeSet, page);
    layout->addWidget(m_setWidgets[ts::CompletedTradeSet], 2);

    m_panel = new CompletedTradePanel(
        m_sites, m_busy, [this] { return m_catalogue->choice(ts::CompletedTradeSet); }, page);
    layout->addWidget(m_panel, 3);
    connect(m_panel, &CompletedTradePanel::stateText, this, &MainWindow::catalogueStatus);
    connect(m_panel, &CompletedTradePanel::statusPane, this,
            [this](int pane, const QString& text) { m_status->setPaneText(pane, text); });

    m_stateLabel = hiddenLabel(QStringLiteral("状态"), QString(), page);
    if (!m_panel->findChild<QLabel*>(QStringLiteral("透明标签_排序")))
        hiddenLabel(QStringLiteral("透明标签_排序"), QStringLiteral("降"), page);
    return page;
}

QWidget* MainWindow::buildStatisticsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new StatisticsPage(m_panel, page));
    return page;
}

QWidget* MainWindow::buildMonitorPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_setWidgets[ts::OpenOrderSet] = new CatalogueSetWidget(ts::OpenOrderSet, page);
    layout->addWidget(m_setWidgets[ts::OpenOrderSet], 2);
    m_openOrderArea = new QWidget(page);
    m_openOrderArea->setLayout(new QVBoxLayout);
    m_openOrderArea->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_openOrderArea, 3);
    hiddenLabel(QStringLiteral("透明标签_排序1"), QStringLiteral("降"), page);
    return page;
}

QWidget* MainWindow::buildRankingPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(placeholderButton(QStringLiteral("超级按钮2"),
                                         QStringLiteral("获取最近一周排行榜信息"), page));
    buttons->addStretch(1);
    buttons->addWidget(placeholderButton(QStringLiteral("超级按钮_打开5173交易行情"),
                                         QStringLiteral("5173游戏币行情"), page));
    buttons->addWidget(placeholderButton(QStringLiteral("超级按钮_17173交易"),
                                         QStringLiteral("17173新游戏交易量"), page));
    buttons->addWidget(placeholderButton(QStringLiteral("超级按钮_5173总排行"),
                                         QStringLiteral("5173游戏总交易量"), page));
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* MainWindow::buildMessagePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* board = new QGroupBox(page);
    board->setObjectName(QStringLiteral("分组框3"));
    auto* boardLayout = new QVBoxLayout(board);
    auto* address = new QLabel(m_sites.maker + QStringLiteral("/koushui/index.asp"), board);
    address->setAlignment(Qt::AlignCenter);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boardLayout->addWidget(address);
    layout->addWidget(board, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(
        placeholderButton(QStringLiteral("超级按钮_刷新留言"), QStringLiteral("刷新留言"), page));
    buttons->addWidget(
        placeholderButton(QStringLiteral("超级按钮_网站访问"), QStringLiteral("Orvenhal网"), page));
    layout->addLayout(buttons);
    return page;
}

QWidget* MainWindow::buildAboutPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);

    QStringList features{QStringLiteral("Orvenhal Tallyscope v1.000")};
    int n = 0;
    for (const char* f : kFeatures)
        features << QStringLiteral("%1）").arg(++n) + QString::fromUtf8(f);
    features << QStringLiteral("Orvenhal网");
    auto* about = new QLabel(features.join(QLatin1Char('\n')), page);
    about->setObjectName(QStringLiteral("标签38"));
    about->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    QStringList notes{QStringLiteral("使用说明：")};
    for (const char* note : kUsageNotes)
        notes << QString::fromUtf8(note);
    auto* usage = new QLabel(notes.join(QLatin1Char('\n')), page);
    usage->setObjectName(QStringLiteral("标签39"));
    usage->setWordWrap(true);
    usage->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* usageScroll = new QScrollArea(page);
    usageScroll->setWidget(usage);
    usageScroll->setWidgetResizable(true);
    usageScroll->setFrameShape(QFrame::NoFrame);

    auto* side = new QVBoxLayout;
    side->addWidget(about);
    side->addStretch(1);
    auto* update = new QHBoxLayout;
    update->addWidget(
        placeholderButton(QStringLiteral("按钮_检查更新"), QStringLiteral("自动更新"), page));
    update->addWidget(
        placeholderButton(QStringLiteral("按钮_手动更新"), QStringLiteral("手动更新"), page));
    side->addLayout(update);
    side->addWidget(new QLabel(QStringLiteral("换肤功能[移动滑块条]"), page));
    for (const char* name : {"滑块条1", "滑块条2"}) {
        auto* slider = new QSlider(Qt::Horizontal, page);
        slider->setObjectName(QString::fromUtf8(name));
        slider->setRange(0, 180);
        slider->setEnabled(false);
        side->addWidget(slider);
    }
    auto* clock = new QTimer(page);
    clock->setObjectName(QStringLiteral("时钟1"));
    clock->setInterval(2000);

    layout->addLayout(side, 2);
    layout->addWidget(usageScroll, 3);
    return page;
}

void MainWindow::connectSet(CatalogueSetWidget* w) {
    const int set = w->set();
    ts::CatalogueController* c = m_catalogue.get();
    connect(w->letterCombo(), &QComboBox::activated, this, [c, w, set](int index) {
        c->chooseLetterItem(set, w->letterCombo()->itemText(index));
    });
    connect(w->keywordButton(), &QPushButton::clicked, this,
            [c, w, set] { c->searchKeyword(set, w->keywordEdit()->text()); });
    connect(w->keywordEdit(), &QLineEdit::returnPressed, this, [w] {
        if (w->keywordButton()->isDefault())
            w->keywordButton()->click();
    });
    w->keywordEdit()->installEventFilter(this);

    using Choose = void (ts::CatalogueController::*)(int, int);
    const Choose handlers[4] = {
        &ts::CatalogueController::chooseGame, &ts::CatalogueController::chooseProductType,
        &ts::CatalogueController::chooseRegion, &ts::CatalogueController::chooseServer};
    for (int level = 0; level < 4; ++level) {
        connect(w->list(level), &QListWidget::currentRowChanged, this,
                [c, set, h = handlers[level]](int row) {
                    if (row >= 0)
                        (c->*h)(set, row);
                });
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // The keyword box that gets the focus makes its own button the default one, so Enter
        // searches in the set being typed in.
        for (CatalogueSetWidget* w : m_setWidgets) {
            if (watched == w->keywordEdit()) {
                for (CatalogueSetWidget* other : m_setWidgets)
                    other->keywordButton()->setDefault(other == w);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showLevel(int set, int level) {
    const ts::CatalogueLevel& data = m_catalogue->set(set).level(static_cast<ts::Level>(level));
    m_setWidgets[set]->showLevel(level, data.names(), data.current());
}

void MainWindow::catalogueStatus(const QString& text) {
    m_stateLabel->setText(text);
    m_status->setPaneText(1, text);
}

void MainWindow::writeStartupFiles() {
    const QString problem = ts::WriteStartupFiles(m_runDir);
    if (!problem.isEmpty())
        m_status->setPaneText(0, problem);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_catalogue->cancelAll();
    QMainWindow::closeEvent(event);
}
