#include "shell/startupfiles.h"

#include "shell/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace ts {

namespace {

// Caps what is read back from an existing settings file; the file is a few lines.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString writeAlarm(const QString& runDir) {
    const QString path = QDir(runDir).filePath(AlarmFileName());
    if (QFileInfo::exists(path))
        return QString();
    QFile resource(AlarmResourcePath());
    if (!resource.open(QIODevice::ReadOnly))
        return QStringLiteral("程序缺少报警声音");
    return writeAtomically(path, resource.readAll());
}

QString writeSettings(const QString& runDir) {
    const QString path = QDir(runDir).filePath(SettingsFileName());
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (existing.size() > kMaxSettingsBytes)
            return QStringLiteral("文件过大");
        if (!existing.open(QIODevice::ReadOnly))
            return existing.errorString();
        content = existing.readAll();
        existing.close();
    }
    return writeAtomically(path, SetIniValue(content, QStringLiteral("基本配置").toUtf8(),
                                             QStringLiteral("版本号").toUtf8(),
                                             ProgramVersionText().toUtf8()));
}

} // namespace

QString AlarmResourcePath() {
    return QStringLiteral(":/tallyscope/alarm.mp3");
}

QString WriteStartupFiles(const QString& runDir) {
    QStringList problems;
    if (const QString e = writeAlarm(runDir); !e.isEmpty())
        problems << AlarmFileName() + QStringLiteral("（") + e + QStringLiteral("）");
    if (const QString e = writeSettings(runDir); !e.isEmpty())
        problems << SettingsFileName() + QStringLiteral("（") + e + QStringLiteral("）");
    if (problems.isEmpty())
        return QString();
    return QStringLiteral("无法写入程序目录 ") + QDir::toNativeSeparators(runDir) +
           QStringLiteral("：") + problems.join(QStringLiteral("，"));
}

} // namespace ts
