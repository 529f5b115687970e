#pragma once

// Our component registry: which library supplies the class of a ProgID. The question-widget libraries write it
// from their DllRegisterServer and the program reads it, so this header is inline and needs QtCore alone.
//
// It is a settings file in the user's configuration folder ($XDG_CONFIG_HOME/NewTalvo/ComponentRegistry.ini):
//   ProgID/<ProgID>/CLSID   = <class id>
//   CLSID/<class id>/ProgID  = <ProgID>
//   CLSID/<class id>/Library = <absolute path of the library>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <optional>

namespace talvo {

struct ComponentRegistration
{
    QString ProgID;
    QString ClassId; // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    QString Library;
};

// Empty when the configuration folder is unknown.
inline QString ComponentRegistryPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/NewTalvo/ComponentRegistry.ini");
}

namespace registry_detail {

inline QString progIdKey(const QString& progId)
{
    return QStringLiteral("ProgID/") + progId + QStringLiteral("/CLSID");
}
inline QString classKey(const QString& classId, const char* name)
{
    return QStringLiteral("CLSID/") + classId.toUpper() + QLatin1Char('/') + QLatin1String(name);
}

inline bool finish(QSettings& settings, QString* error)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (error)
        *error = QStringLiteral("The component registry %1 could not be written.").arg(settings.fileName());
    return false;
}

inline std::optional<QString> path(QString* error)
{
    const QString file = ComponentRegistryPath();
    if (file.isEmpty()) {
        if (error)
            *error = QStringLiteral("The user's configuration folder is unknown.");
        return std::nullopt;
    }
    return file;
}

} // namespace registry_detail

inline bool WriteComponentRegistration(const ComponentRegistration& entry, QString* error = nullptr)
{
    const auto file = registry_detail::path(error);
    if (!file)
        return false;
    if (!QDir().mkpath(QFileInfo(*file).absolutePath())) {
        if (error)
            *error = QStringLiteral("The folder of the component registry %1 could not be made.").arg(*file);
        return false;
    }
    QSettings settings(*file, QSettings::IniFormat);
    settings.setValue(registry_detail::progIdKey(entry.ProgID), entry.ClassId.toUpper());
    settings.setValue(registry_detail::classKey(entry.ClassId, "ProgID"), entry.ProgID);
    settings.setValue(registry_detail::classKey(entry.ClassId, "Library"), entry.Library);
    return registry_detail::finish(settings, error);
}

inline bool RemoveComponentRegistration(const QString& progId, const QString& classId, QString* error = nullptr)
{
    const auto file = registry_detail::path(error);
    if (!file)
        return false;
    if (!QFileInfo::exists(*file))
        return true;
    QSettings settings(*file, QSettings::IniFormat);
    // Another library may have taken the ProgID over since; leave its entry alone.
    if (settings.value(registry_detail::progIdKey(progId)).toString() == classId.toUpper())
        settings.remove(registry_detail::progIdKey(progId));
    settings.remove(QStringLiteral("CLSID/") + classId.toUpper());
    return registry_detail::finish(settings, error);
}

// The registration of a ProgID, or nothing when the ProgID or its class is not registered.
inline std::optional<ComponentRegistration> FindComponentRegistration(const QString& progId)
{
    const QString file = ComponentRegistryPath();
    if (file.isEmpty() || !QFileInfo::exists(file))
        return std::nullopt;
    QSettings settings(file, QSettings::IniFormat);
    ComponentRegistration entry;
    entry.ProgID = progId;
    entry.ClassId = settings.value(registry_detail::progIdKey(progId)).toString();
    if (entry.ClassId.isEmpty())
        return std::nullopt;
    entry.Library = settings.value(registry_detail::classKey(entry.ClassId, "Library")).toString();
    if (entry.Library.isEmpty())
        return std::nullopt;
    return entry;
}

} // namespace talvo
