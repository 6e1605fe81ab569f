#include "web/sites.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace ts {

namespace {

// The INI keys and the members they fill, in the order of the file's documentation.
struct SiteKey {
    const char* key;
    QString Sites::*member;
};
constexpr SiteKey kSiteKeys[] = {
    {"dd373", &Sites::dd373},
    {"dd373_images", &Sites::dd373_images},
    {"data_5173", &Sites::data_5173},
    {"trading_5173", &Sites::trading_5173},
    {"newgame_17173", &Sites::newgame_17173},
    {"portal_17173", &Sites::portal_17173},
    {"rankings", &Sites::rankings},
    {"maker", &Sites::maker},
};

} // namespace

QStringList Sites::keys() {
    QStringList list;
    for (const SiteKey& k : kSiteKeys)
        list << QLatin1String(k.key);
    return list;
}

Sites Sites::allAt(const QString& base) {
    Sites s;
    for (const SiteKey& k : kSiteKeys)
        s.*k.member = base;
    return s;
}

QString Sites::value(const QString& key) const {
    for (const SiteKey& k : kSiteKeys)
        if (key == QLatin1String(k.key))
            return this->*k.member;
    return {};
}

void Sites::setValue(const QString& key, const QString& address) {
    for (const SiteKey& k : kSiteKeys)
        if (key == QLatin1String(k.key))
            this->*k.member = address;
}

namespace {

// One problem in a sites file: "FILE:LINE: what".
QString lineError(const QString& file, int line, const QString& what) {
    return QStringLiteral("%1:%2: %3").arg(QDir::toNativeSeparators(file)).arg(line).arg(what);
}

bool isComment(const QString& line) {
    return line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#');
}

// Applies one "key = value" line of the [sites] section; returns the problem, if any.
QString applyKeyLine(Sites& sites, const QString& line, QHash<QString, int>& seen, int lineNo) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return QStringLiteral("expected key = address, got \"%1\"").arg(line);
    const QString key = line.left(eq).trimmed();
    const QString value = line.mid(eq + 1).trimmed();
    if (!Sites::keys().contains(key))
        return QStringLiteral("unknown key \"%1\" (known keys: %2)")
            .arg(key, Sites::keys().join(QStringLiteral(", ")));
    if (seen.contains(key))
        return QStringLiteral("key \"%1\" given twice (first on line %2)").arg(key).arg(seen[key]);
    if (!value.isEmpty() && !IsSiteAddress(value))
        return QStringLiteral("\"%1\" for %2 is not an address of the form "
                              "http(s)://host[:port] (no path, no trailing slash)")
            .arg(value, key);
    seen.insert(key, lineNo);
    sites.setValue(key, value);
    return {};
}

} // namespace

// Hosts whose names the site keys give away; the others have no compiled-in address and stay
// disabled until a sites file names them.
Sites Sites::defaults() {
    Sites s;
    s.dd373 = QStringLiteral("http://www.dd373.com");
    s.data_5173 = QStringLiteral("http://data.5173.com");
    s.trading_5173 = QStringLiteral("http://trading.5173.com");
    s.newgame_17173 = QStringLiteral("http://newgame.17173.com");
    s.portal_17173 = QStringLiteral("http://www.17173.com");
    return s;
}

// A small INI reader of our own: it must name the line of every problem. Keys the file does
// not set keep their defaults; an empty value disables a site.
std::optional<Sites> Sites::load(const QString& file, QString* error) {
    auto fail = [&](const QString& message) -> std::optional<Sites> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: cannot read the sites file (%2)")
                        .arg(QDir::toNativeSeparators(file), f.errorString()));
    const QByteArray data = f.readAll();
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    Sites sites = defaults();
    QHash<QString, int> seen;
    bool inSection = false; // any section header seen so far
    bool inSites = false;
    bool sawSites = false;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (isComment(line))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return fail(lineError(file, lineNo, QStringLiteral("malformed section header")));
            inSection = true;
            inSites = line.mid(1, line.size() - 2).trimmed() == QStringLiteral("sites");
            sawSites = sawSites || inSites;
            continue;
        }
        if (!inSection)
            return fail(
                lineError(file, lineNo, QStringLiteral("entry outside the [sites] section")));
        if (!inSites)
            continue; // other sections belong to other readers
        const QString problem = applyKeyLine(sites, line, seen, lineNo);
        if (!problem.isEmpty())
            return fail(lineError(file, lineNo, problem));
    }
    if (!sawSites)
        return fail(QStringLiteral("%1: no [sites] section").arg(QDir::toNativeSeparators(file)));
    return sites;
}

std::optional<Sites> Sites::resolve(const QString& explicitFile, const QString& appDir,
                                    QString* error) {
    if (!explicitFile.isEmpty())
        return load(explicitFile, error);
    const QString beside = QDir(appDir).filePath(QStringLiteral("sites.ini"));
    if (!appDir.isEmpty() && QFile::exists(beside))
        return load(beside, error);
    return defaults();
}

bool IsSiteAddress(const QString& address) {
    // Scheme, a host name (labels of letters, digits and hyphens), an IPv4 address or a
    // bracketed IPv6 address, an optional port; nothing after.
    static const QRegularExpression form(
        QStringLiteral("^https?://(?:[a-z0-9](?:[a-z0-9-]*[a-z0-9])?(?:\\.[a-z0-9](?:[a-z0-9-]*"
                       "[a-z0-9])?)*|\\[[0-9a-f:.]+\\])(?::([0-9]{1,5}))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(address);
    if (!m.hasMatch())
        return false;
    const QString port = m.captured(1);
    return port.isEmpty() || (port.toInt() >= 1 && port.toInt() <= 65535);
}

} // namespace ts
