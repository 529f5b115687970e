#include "platform/ui/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace talvo {
namespace {

QString& overrideFile()
{
    static QString path;
    return path;
}

// A settings object already inside the group of AppName and Section.
std::unique_ptr<QSettings> open(const QString& AppName, const QString& Section)
{
    std::unique_ptr<QSettings> settings;
    if (overrideFile().isEmpty()) {
        settings =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganisation, AppName);
    } else {
        settings = std::make_unique<QSettings>(overrideFile(), QSettings::IniFormat);
        settings->beginGroup(AppName);
    }
    settings->beginGroup(Section);
    return settings;
}

} // namespace

QString GetSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Default)
{
    QString value;
    return QuerySetting(AppName, Section, Key, value) ? value : Default;
}

void SaveSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Setting)
{
    auto settings = open(AppName, Section);
    settings->setValue(Key, Setting);
    settings->sync();
}

bool QuerySetting(const QString& AppName, const QString& Section, const QString& Key, QString& Value)
{
    auto settings = open(AppName, Section);
    const QVariant stored = settings->value(Key);
    if (!stored.isValid())
        return false;
    // A list or other structure written by hand is not a text value.
    if (!stored.canConvert<QString>())
        return false;
    Value = stored.toString();
    return true;
}

void SetSettingsFile(const QString& Path)
{
    overrideFile() = Path;
}
QString SettingsFile()
{
    return overrideFile();
}

} // namespace talvo
