#pragma once
// The command-line front end: global options, the command registry and output helpers.
// Each command lives in its own file and registers itself with a static CliCommand.

#include "web/sites.h"

#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>

namespace ts::cli {

// Exit codes.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2, WatchNoAlarm = 3 };

struct Context {
    Sites sites;
    bool json = false;
    QTextStream& out;
    QTextStream& err;
};

using CommandFn = int (*)(Context& ctx, const QStringList& args);

// Registers a command at static-initialisation time.
struct CliCommand {
    CliCommand(const char* name, const char* usage, CommandFn fn);
};

struct CommandInfo {
    QString name;
    QString usage;
    CommandFn fn;
};
const QList<CommandInfo>& commands();

// Output helpers shared by the commands.
void printJson(Context& ctx, const QJsonObject& object);
// A readable table: titles, then rows, columns padded to their display width.
void printTable(Context& ctx, const QStringList& titles, const QList<QStringList>& rows);
int usageError(Context& ctx, const QString& message);
int failure(Context& ctx, const QString& message);

} // namespace ts::cli
