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
           "  --help, -h    show this help\n"
           "  --version     show the version\n\n"
           "Commands:\n";
    for (const CommandInfo& c : commands())
        out << "  " << c.usage << "\n";
    out << "\nExit codes: 0 success, 1 failure, 2 usage error, 3 watch ended without alarm.\n";
}

const CommandInfo* findCommand(const QString& name) {
    for (const CommandInfo& c : commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

struct Options {
    QString sitesFile;
    bool demo = false;
    bool json = false;
    QStringList rest; // the command and its arguments
};

enum class Parse { Run, Help, Version, Error };

// Global options up to the first word that is not one; "--sites=FILE" works as well.
Parse parseOptions(QStringList args, Options& o, QTextStream& err) {
    while (!args.isEmpty() && args.first().startsWith(u'-')) {
        const QString opt = args.takeFirst();
        if (opt == "--help" || opt == "-h")
            return Parse::Help;
        if (opt == "--version")
            return Parse::Version;
        if (opt == "--json") {
            o.json = true;
        } else if (opt == "--demo") {
            o.demo = true;
        } else if (opt == "--sites" || opt.startsWith("--sites=")) {
            if (opt == "--sites" && args.isEmpty()) {
                err << "tallyscope-cli: --sites needs a file\n";
                return Parse::Error;
            }
            o.sitesFile = opt == "--sites" ? args.takeFirst() : opt.mid(8);
            if (o.sitesFile.isEmpty()) {
                err << "tallyscope-cli: --sites needs a file\n";
                return Parse::Error;
            }
        } else {
            err << "tallyscope-cli: unknown option " << opt << " (see --help)\n";
            return Parse::Error;
        }
    }
    if (o.demo && !o.sitesFile.isEmpty()) {
        err << "tallyscope-cli: --sites and --demo exclude each other\n";
        return Parse::Error;
    }
    o.rest = args;
    return Parse::Run;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tallyscope-cli");
    QCoreApplication::setApplicationVersion(TS_VERSION);
    QTextStream out(stdout);
    QTextStream err(stderr);

    Options o;
    switch (parseOptions(app.arguments().mid(1), o, err)) {
    case Parse::Help:
        printHelp(out);
        return Success;
    case Parse::Version:
        out << "tallyscope-cli " << TS_VERSION << "\n";
        return Success;
    case Parse::Error:
        return UsageError;
    case Parse::Run:
        break;
    }

    // A broken sites file is reported before anything else: it is a failure, not a usage
    // error, and it names the file and the line.
    Sites sites;
    if (!o.demo) {
        QString error;
        const auto resolved =
            Sites::resolve(o.sitesFile, QCoreApplication::applicationDirPath(), &error);
        if (!resolved) {
            err << "tallyscope-cli: " << error << "\n";
            return Failure;
        }
        sites = *resolved;
    }

    if (o.rest.isEmpty()) {
        printHelp(err);
        return UsageError;
    }
    const QString name = o.rest.takeFirst();
    const CommandInfo* command = findCommand(name);
    if (!command) {
        err << "tallyscope-cli: unknown command " << name << " (see --help)\n";
        return UsageError;
    }

    std::unique_ptr<DemoMarket> market;
    if (o.demo) {
        market = std::make_unique<DemoMarket>();
        if (!market->start()) {
            err << "tallyscope-cli: the sample market could not start\n";
            return Failure;
        }
        sites = market->sites();
    }
    Context ctx{sites, o.json, out, err};
    return command->fn(ctx, o.rest);
}
