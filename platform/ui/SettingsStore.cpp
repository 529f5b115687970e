#include "platform/ui/SettingsStore.h"

#include "platform/core/RegularFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace talvo {
namespace {

QString& overrideFile()
{
    static QString path;
    return path;
}

// A settings object already inside the group of AppName and Section. None when there is no file to use or its name
// is taken by something that is not a regular file (a FIFO would block QSettings for good, when it reads and again
// when it saves) or by a file far too large to be the program's (QSettings would read it whole): that counts as no
// settings, and the odd file is neither read nor replaced, so the window's place is then simply not remembered.
std::unique_ptr<QSettings> open(const QString& AppName, const QString& Section)
{
    const QString file = overrideFile().isEmpty() ? UserSettingsFile(AppName) : overrideFile();
    if (file.isEmpty() || (QFileInfo::exists(file) && !IsRegularFile(file)))
        return nullptr;
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (!overrideFile().isEmpty())
        settings->beginGroup(AppName);
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
    if (!settings)
        return;
    settings->setValue(Key, Setting);
    settings->sync();
}

bool QuerySetting(const QString& AppName, const QString& Section, const QString& Key, QString& Value)
{
    auto settings = open(AppName, Section);
    if (!settings)
        return false;
    const QVariant stored = settings->value(Key);
    if (!stored.isValid())
        return false;
    // A list or other structure written by hand is not a text value.
    if (!stored.canConvert<QString>())
        return false;
    Value = stored.toString();
    return true;
}

QString UserSettingsFile(const QString& AppName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + SettingsOrganisation + QLatin1Char('/') + AppName + QStringLiteral(".conf");
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
