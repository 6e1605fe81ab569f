#include "web/requestoutcome.h"

#include <curl/curl.h>

namespace ts {

namespace {

// Why a connection could not be made, in the words of the state texts.
QString connectReason(int code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("找不到主机");
    case CURLE_COULDNT_RESOLVE_PROXY:
        return QStringLiteral("找不到代理服务器");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("连接被拒绝");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("超时");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("安全连接失败");
    default:
        return QStringLiteral("连接失败");
    }
}

QString sizeText(qint64 bytes) {
    const qint64 mib = 1024 * 1024;
    if (bytes >= mib && bytes % mib == 0)
        return QStringLiteral("%1 MiB").arg(bytes / mib);
    return QStringLiteral("%1 字节").arg(bytes);
}

} // namespace

QString RequestOutcome::describe() const {
    switch (kind) {
    case Ok:
        return {};
    case SetupFailed:
        return QStringLiteral("地址无效：%1").arg(detail.isEmpty() ? host : detail);
    case ConnectFailed:
        return QStringLiteral("无法连接 %1（%2）").arg(host, connectReason(clientCode));
    case TimedOut:
        if (httpStatus != 0)
            return QStringLiteral("%1 回复中断（超时），内容不完整").arg(host);
        return QStringLiteral("无法连接 %1（超时）").arg(host);
    case HttpError:
        return QStringLiteral("%1 返回 HTTP %2").arg(host).arg(httpStatus);
    case Truncated:
        return QStringLiteral("回复超过 %1，已截断").arg(sizeText(limitBytes));
    case TooManyRedirects:
        return QStringLiteral("%1 重定向次数过多").arg(host);
    case Cancelled:
        return QStringLiteral("已取消");
    case TransferFailed:
        break;
    }
    if (detail.isEmpty())
        return QStringLiteral("从 %1 读取失败").arg(host);
    return QStringLiteral("从 %1 读取失败（%2）").arg(host, detail);
}

} // namespace ts
