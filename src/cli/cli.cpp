#include "cli/cli.h"

#include <QJsonObject>

namespace ts::cli {

namespace {
QList<CommandInfo>& registry() {
    static QList<CommandInfo> list;
    return list;
}

// Display width: CJK characters take two columns.
int displayWidth(const QString& text) {
    int w = 0;
    for (QChar c : text)
        w += (c.unicode() >= 0x1100) ? 2 : 1;
    return w;
}
} // namespace

CliCommand::CliCommand(const char* name, const char* usage, CommandFn fn) {
    registry().append({QString::fromUtf8(name), QString::fromUtf8(usage), fn});
}

const QList<CommandInfo>& commands() {
    return registry();
}

void printJson(Context& ctx, const QJsonObject& object) {
    ctx.out << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
    ctx.out.flush();
}

void printTable(Context& ctx, const QStringList& titles, const QList<QStringList>& rows) {
    QVector<int> widths(titles.size(), 0);
    for (int c = 0; c < titles.size(); ++c)
        widths[c] = displayWidth(titles[c]);
    for (const QStringList& row : rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = qMax(widths[c], displayWidth(row[c]));
    auto line = [&](const QStringList& cells) {
        QString s;
        for (int c = 0; c < widths.size(); ++c) {
            const QString cell = c < cells.size() ? cells[c] : QString();
            s += cell;
            if (c + 1 < widths.size())
                s += QString(widths[c] - displayWidth(cell) + 2, QLatin1Char(' '));
        }
        ctx.out << s << "\n";
    };
    line(titles);
    for (const QStringList& row : rows)
        line(row);
    ctx.out.flush();
}

int usageError(Context& ctx, const QString& message) {
    ctx.err << "tallyscope-cli: " << message << "\n";
    ctx.err.flush();
    return UsageError;
}

int failure(Context& ctx, const QString& message) {
    ctx.err << "tallyscope-cli: " << message << "\n";
    ctx.err.flush();
    return Failure;
}

} // namespace ts::cli
