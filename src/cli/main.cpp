// tallyscope-cli: global options, then one command.

#include "cli/cli.h"
#include "demo/demomarket.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <memory>

using namespace ts;
using namespace ts::cli;

namespace {

void printHelp(QTextStream& out) {
    out << "usage: tallyscope-cli [--sites FILE | --demo] [--json] COMMAND [ARGS]\n\n"
           "Options:\n"
           "  --sites FILE  read site addresses from FILE (section [sites])\n"
           "  --demo        start the built-in sample market and read it\n"
           "  --json        print exactly one JSON document\n"
           "  --help        show this help\n"
           "  --version     show the version\n\n"
           "Commands:\n";
    for (const CommandInfo& c : commands())
        out << "  " << c.usage << "\n";
    out << "\nExit codes: 0 success, 1 failure, 2 usage error, 3 watch ended without alarm.\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tallyscope-cli");
    QCoreApplication::setApplicationVersion(TS_VERSION);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    QString sitesFile;
    bool demo = false;
    bool json = false;
    while (!args.isEmpty() && args.first().startsWith("--")) {
        const QString opt = args.takeFirst();
        if (opt == "--help") {
            printHelp(out);
            return Success;
        } else if (opt == "--version") {
            out << "tallyscope-cli " << TS_VERSION << "\n";
            return Success;
        } else if (opt == "--json") {
            json = true;
        } else if (opt == "--demo") {
            demo = true;
        } else if (opt == "--sites") {
            if (args.isEmpty()) {
                err << "tallyscope-cli: --sites needs a file\n";
                return UsageError;
            }
            sitesFile = args.takeFirst();
        } else {
            err << "tallyscope-cli: unknown option " << opt << " (see --help)\n";
            return UsageError;
        }
    }
    if (demo && !sitesFile.isEmpty()) {
        err << "tallyscope-cli: --sites and --demo exclude each other\n";
        return UsageError;
    }
    if (args.isEmpty()) {
        printHelp(err);
        return UsageError;
    }

    std::unique_ptr<DemoMarket> market;
    Sites sites;
    if (demo) {
        market = std::make_unique<DemoMarket>();
        if (!market->start()) {
            err << "tallyscope-cli: the sample market could not start\n";
            return Failure;
        }
        sites = market->sites();
    } else {
        QString error;
        const auto resolved =
            Sites::resolve(sitesFile, QCoreApplication::applicationDirPath(), &error);
        if (!resolved) {
            err << "tallyscope-cli: " << error << "\n";
            return Failure;
        }
        sites = *resolved;
    }

    const QString name = args.takeFirst();
    for (const CommandInfo& c : commands()) {
        if (c.name == name) {
            Context ctx{sites, json, out, err};
            return c.fn(ctx, args);
        }
    }
    err << "tallyscope-cli: unknown command " << name << " (see --help)\n";
    return UsageError;
}
