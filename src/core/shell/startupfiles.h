#pragma once
// The two files the program keeps in its own directory: the settings file "配置.ini" (the
// version, written at every start for the updater) and the alarm sound "alarm.mp3" (written
// from the program's resources when missing).
//
// "配置.ini" is UTF-8 text; only the line "版本号=1.000" of section [基本配置] is written,
// every other byte of an existing file is kept. Both files are replaced atomically.

#include <QString>

namespace ts {

inline QString SettingsFileName() {
    return QStringLiteral("配置.ini");
}
inline QString AlarmFileName() {
    return QStringLiteral("alarm.mp3");
}
inline QString ProgramVersionText() {
    return QStringLiteral("1.000");
}

// The alarm sound the program carries (a resource of tallyscope-core).
QString AlarmResourcePath();

// Writes both files into runDir. Returns the empty text on success, else one message that
// says what could not be written (both files are still tried).
QString WriteStartupFiles(const QString& runDir);

} // namespace ts
