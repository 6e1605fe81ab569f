#include "web/curltransfer.h"

#include <QStringDecoder>
#include <algorithm>
#include <chrono>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace ts::webdetail {

namespace {

using Clock = std::chrono::steady_clock;

// libcurl's global state and the process-wide cookie store, set up once on first use.
struct CurlProcess {
    CURLSH* share = nullptr;
    std::mutex locks[CURL_LOCK_DATA_LAST];

    CurlProcess() {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        share = curl_share_init();
        curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &CurlProcess::lock);
        curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &CurlProcess::unlock);
        curl_share_setopt(share, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }
    // Lives until the process ends: requests may still run on detached workers at exit.
    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<CurlProcess*>(self)->locks[data].lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<CurlProcess*>(self)->locks[data].unlock();
    }
};

CurlProcess& curlProcess() {
    static CurlProcess* process = new CurlProcess; // thread-safe, never destroyed
    return *process;
}

// State the callbacks share during one transfer.
struct Progress {
    const Transfer* transfer = nullptr;
    QByteArray body;
    QByteArray headers;
    Clock::time_point lastProgress = Clock::now();
    curl_off_t lastUp = 0;
    bool truncated = false;
    bool cancelled = false;

    bool stopRequested() const {
        return transfer->cancel && transfer->cancel->load(std::memory_order_relaxed);
    }
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* p = static_cast<Progress*>(user);
    const qint64 n = qint64(size * count);
    p->lastProgress = Clock::now();
    const qint64 room = p->transfer->maxBytes - p->body.size();
    if (n > room) {
        p->body.append(data, qMax<qint64>(room, 0));
        p->truncated = true;
        return 0; // ends the transfer; the body keeps what fits
    }
    p->body.append(data, n);
    return size_t(n);
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* p = static_cast<Progress*>(user);
    const size_t n = size * count;
    p->lastProgress = Clock::now();
    // A status line starts the header block of a new reply (after a redirect or a 100):
    // keep only the last reply's block.
    if (n >= 5 && qstrncmp(data, "HTTP/", 5) == 0)
        p->headers.clear();
    p->headers.append(data, qsizetype(n));
    return n;
}

int onXferInfo(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow) {
    auto* p = static_cast<Progress*>(user);
    if (ulnow > p->lastUp) {
        p->lastUp = ulnow;
        p->lastProgress = Clock::now();
    }
    if (p->stopRequested()) {
        p->cancelled = true;
        return 1;
    }
    return 0;
}

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct MultiDeleter {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

curl_slist* buildHeaderList(const Transfer& t) {
    curl_slist* list = nullptr;
    for (const QByteArray& line : t.headerLines) {
        // A line without a value is not sent ("Name:" alone would make libcurl drop its own
        // header of that name, e.g. the agent).
        const qsizetype colon = line.indexOf(':');
        if (colon >= 0 && line.mid(colon + 1).trimmed().isEmpty())
            continue;
        list = curl_slist_append(list, line.constData());
    }
    // libcurl adds "Expect: 100-continue" to large bodies; the servers we read do not expect it.
    list = curl_slist_append(list, "Expect:");
    // libcurl's own Accept and body Content-Type go out only where the caller's lines say so.
    auto hasLine = [&t](const char* name) {
        return std::any_of(t.headerLines.begin(), t.headerLines.end(),
                           [name](const QByteArray& l) { return l.toLower().startsWith(name); });
    };
    if (!hasLine("accept:"))
        list = curl_slist_append(list, "Accept:");
    if (t.sendBody && !hasLine("content-type:"))
        list = curl_slist_append(list, "Content-Type:");
    return list;
}

void configure(CURL* c, const Transfer& t, Progress& p, curl_slist* headers, char* errbuf) {
    curl_easy_setopt(c, CURLOPT_URL, t.url.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(c, CURLOPT_USERAGENT, t.userAgent.constData());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(t.timeoutMs));
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, t.followRedirects ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &p);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &p);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &onXferInfo);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &p);
    // The proxy serves http:// addresses only; everything else connects directly, whatever
    // the environment says.
    const bool http = t.url.startsWith("http://");
    const QByteArray proxy = (t.proxy && http) ? t.proxy->toUtf8() : QByteArray();
    curl_easy_setopt(c, CURLOPT_PROXY, proxy.constData());
    if (t.useCookieStore) {
        curl_easy_setopt(c, CURLOPT_SHARE, curlProcess().share);
        curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing read
    }
    if (t.sendBody) {
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(t.body.size()));
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, t.body.constData());
    }
    if (t.verb != "GET" && !(t.sendBody && t.verb == "POST"))
        curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, t.verb.constData());
}

bool isConnectError(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return true;
    default:
        return false;
    }
}

RequestOutcome outcomeOf(const Transfer& t, const Progress& p, bool stalled, CURLcode code,
                         long status, const char* errbuf) {
    RequestOutcome o;
    o.host = t.host;
    o.httpStatus = int(status);
    o.clientCode = int(code);
    o.detail = QString::fromUtf8(*errbuf ? errbuf : curl_easy_strerror(code));
    if (p.cancelled)
        o.kind = RequestOutcome::Cancelled;
    else if (stalled)
        o.kind = RequestOutcome::TimedOut;
    else if (p.truncated) {
        o.kind = RequestOutcome::Truncated;
        o.limitBytes = t.maxBytes;
    } else if (code == CURLE_OK)
        o.kind = status >= 400 ? RequestOutcome::HttpError : RequestOutcome::Ok;
    else if (code == CURLE_TOO_MANY_REDIRECTS)
        o.kind = RequestOutcome::TooManyRedirects;
    else if (isConnectError(code) && status == 0)
        o.kind = RequestOutcome::ConnectFailed;
    else if (code == CURLE_OPERATION_TIMEDOUT)
        o.kind = RequestOutcome::TimedOut;
    else
        o.kind = RequestOutcome::TransferFailed;
    if (o.kind == RequestOutcome::Ok)
        o.detail.clear();
    return o;
}

} // namespace

TransferResult PerformTransfer(const Transfer& t) {
    TransferResult result;
    result.outcome.host = t.host;
    curlProcess();
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) {
        result.outcome.detail = QStringLiteral("HTTP client unavailable");
        return result;
    }
    Progress p;
    p.transfer = &t;
    char errbuf[CURL_ERROR_SIZE] = {};
    std::unique_ptr<curl_slist, SlistDeleter> headers(buildHeaderList(t));
    configure(easy.get(), t, p, headers.get(), errbuf);

    // Drive the transfer ourselves: libcurl's own loop notices a stall only on its next
    // one-second wake-up, this loop within a few milliseconds.
    curl_multi_add_handle(multi.get(), easy.get());
    const auto timeout = std::chrono::milliseconds(t.timeoutMs);
    bool stalled = false;
    int running = 1;
    p.lastProgress = Clock::now();
    while (running) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK || !running)
            break;
        const auto idle = Clock::now() - p.lastProgress;
        if (idle >= timeout) {
            stalled = true;
            break;
        }
        if (p.stopRequested()) {
            p.cancelled = true;
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(timeout - idle);
        curl_multi_poll(multi.get(), nullptr, 0, int(std::clamp<long long>(left.count(), 1, 50)),
                        nullptr);
    }
    CURLcode code = CURLE_OK;
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi.get(), &queued))
        if (msg->msg == CURLMSG_DONE)
            code = msg->data.result;
    long status = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
    const char* type = nullptr;
    curl_easy_getinfo(easy.get(), CURLINFO_CONTENT_TYPE, &type);
    result.contentType = type ? QByteArray(type) : QByteArray();
    curl_multi_remove_handle(multi.get(), easy.get());

    result.outcome = outcomeOf(t, p, stalled, code, status, errbuf);
    result.body = std::move(p.body);
    result.rawHeaders = std::move(p.headers);
    return result;
}

QList<QByteArray> HeaderLines(const QString& headerText) {
    QList<QByteArray> lines;
    QString text = headerText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        lines.append(line.toUtf8());
    return lines;
}

bool UsableTarget(const QString& host, int port, const QString& address, RequestOutcome& outcome) {
    outcome.host = host;
    if (!host.isEmpty() && port >= 1 && port <= 65535)
        return true;
    outcome.detail = address;
    return false;
}

QByteArray BuildUrl(bool https, const QString& host, int port, const QString& path) {
    QByteArray url = https ? "https://" : "http://";
    url += host.toUtf8() + ':' + QByteArray::number(port);
    const QByteArray raw = path.toUtf8();
    static const char hex[] = "0123456789ABCDEF";
    for (char ch : raw) {
        const auto c = uchar(ch);
        if (c > 0x20 && c < 0x7F) {
            url += ch;
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

QByteArray CharsetOf(const QByteArray& contentType) {
    const QByteArray lower = contentType.toLower();
    const qsizetype at = lower.indexOf("charset=");
    if (at < 0)
        return {};
    QByteArray value = lower.mid(at + 8);
    const qsizetype end = value.indexOf(';');
    if (end >= 0)
        value.truncate(end);
    value = value.trimmed();
    if (value.size() >= 2 && (value.startsWith('"') || value.startsWith('\'')))
        value = value.mid(1, value.size() - 2);
    return value.trimmed();
}

QString HeaderText(const QByteArray& raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

} // namespace ts::webdetail
