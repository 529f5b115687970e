#pragma once

#include <QString>

namespace talvo {

// The per-user settings store: text values by application name, section and key. It lives in QSettings under
// the organisation SettingsOrganisation and the application name given; tests point it at a file of their own.

inline const QString SettingsOrganisation = QStringLiteral("NewTalvo");

// The stored text, or Default when the key holds nothing.
QString GetSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Default = {});
void SaveSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Setting);
// Whether the key holds a value; fills Value only when it does.
bool QuerySetting(const QString& AppName, const QString& Section, const QString& Key, QString& Value);

// The user's file of AppName's settings, where QSettings' native format keeps them on this system (named here
// so that it can be checked before QSettings opens it); empty when the configuration folder is unknown.
QString UserSettingsFile(const QString& AppName);

// Keeps every setting in one INI file (one group per application name) instead of the user's store; an empty
// path goes back to the user's store.
void SetSettingsFile(const QString& Path);
QString SettingsFile();

} // namespace talvo
