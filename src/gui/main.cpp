// tallyscope: the desktop program.
//   --demo           read the built-in sample market
//   --sites FILE     read the site addresses from FILE
//   --screenshot F   (for documentation) save a picture of the window once the catalogue of
//                    one game is loaded, then quit
#include "catalogue/cataloguecontroller.h"
#include "demo/demomarket.h"
#include "gui/cataloguesetwidget.h"
#include "gui/completedtradepanel.h"
#include "gui/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <memory>

namespace {

// Walks the first set down to a server (the fourth game, first region, first server, first
// product type), runs the completed-trade query, then saves the window's picture and quits.
void scheduleScreenshot(MainWindow* window, const QString& file) {
    ts::CatalogueController* c = window->catalogue();
    CatalogueSetWidget* set = window->catalogueSetWidget(ts::CompletedTradeSet);
    const auto pick = [set](ts::Level level, int row) {
        QListWidget* list = set->list(static_cast<int>(level));
        if (list->count() > row)
            list->setCurrentRow(row);
    };
    QObject::connect(c, &ts::CatalogueController::loadFinished, window,
                     [=](int which, int level, bool) {
                         if (which == -1) {
                             pick(ts::Level::Game, 3);
                         } else if (which != ts::CompletedTradeSet) {
                             return;
                         } else if (level == static_cast<int>(ts::Level::ProductType)) {
                             pick(ts::Level::ProductType, 0);
                             pick(ts::Level::Region, 0);
                         } else if (level == static_cast<int>(ts::Level::Server)) {
                             pick(ts::Level::Server, 0);
                             window->completedTradePanel()->startQuery();
                         }
                     });
    QObject::connect(window->completedTradePanel(), &CompletedTradePanel::queryFinished, window,
                     [=] {
                         QTimer::singleShot(200, window, [=] {
                             const bool saved = window->grab().save(file);
                             QCoreApplication::exit(saved ? 0 : 1);
                         });
                     });
    QTimer::singleShot(30000, window, [] { QCoreApplication::exit(1); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tallyscope"));
    QApplication::setApplicationVersion(QStringLiteral(TS_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tallyscope"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Read the built-in sample market."));
    const QCommandLineOption sitesOption(QStringLiteral("sites"),
                                         QStringLiteral("Read the site addresses from FILE."),
                                         QStringLiteral("FILE"));
    QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window and quit."),
                                        QStringLiteral("FILE"));
    screenshotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({demoOption, sitesOption, screenshotOption});
    parser.process(app);

    std::unique_ptr<ts::DemoMarket> market;
    ts::Sites sites;
    if (parser.isSet(demoOption)) {
        market = std::make_unique<ts::DemoMarket>();
        if (!market->start()) {
            QMessageBox::warning(nullptr, QStringLiteral("警告"),
                                 QStringLiteral("示例市场无法启动。"));
            return 1;
        }
        sites = market->sites();
    } else {
        QString error;
        const auto resolved = ts::Sites::resolve(parser.value(sitesOption),
                                                 QCoreApplication::applicationDirPath(), &error);
        if (!resolved) {
            QMessageBox::warning(nullptr, QStringLiteral("警告"), error);
            return 1;
        }
        sites = *resolved;
    }

    MainWindow window(sites, QCoreApplication::applicationDirPath());
    if (parser.isSet(screenshotOption))
        scheduleScreenshot(&window, parser.value(screenshotOption));
    window.show();
    return app.exec();
}
