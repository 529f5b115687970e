#pragma once

// Our component registry: which library supplies the class of a ProgID. The question-widget libraries write it
// from their DllRegisterServer and the program reads it, so this header is inline and needs QtCore alone.
//
// It is a settings file in the user's configuration folder ($XDG_CONFIG_HOME/NewTalvo/ComponentRegistry.ini):
//   ProgID/<ProgID>/CLSID   = <class id>
//   CLSID/<class id>/ProgID  = <ProgID>
//   CLSID/<class id>/Library = <absolute path of the library>
// When that file cannot be read or written, the program keeps the same entries for the rest of its run in a
// property of the application object, which the libraries share with it, being loaded into the same process.

#include "platform/core/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariantMap>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The application object's property that holds the registry of this run, once there is one.
inline constexpr char RunComponentRegistryProperty[] = "NewTalvoRunComponentRegistry";

inline bool UsingRunComponentRegistry()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && app->property(RunComponentRegistryProperty).isValid();
}

// From here on to the end of the run, registrations are kept in memory, starting empty.
inline void UseRunComponentRegistry()
{
    if (QCoreApplication* app = QCoreApplication::instance(); app && !UsingRunComponentRegistry())
        app->setProperty(RunComponentRegistryProperty, QVariantMap());
}

// Why the registry file cannot be read and written, or nothing when it can. A missing file is made. A folder,
// FIFO or device in its place is found by its handle and never read; the folder must take a new file too, as
// saving replaces the file through one beside it.
inline std::optional<QString> ComponentRegistryProblem()
{
    const QString file = ComponentRegistryPath();
    if (file.isEmpty())
        return QStringLiteral("the user's configuration folder is unknown");
    QDir().mkpath(QFileInfo(file).absolutePath());
    const auto systemReason = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const int fd =
        ::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemReason();
    struct stat info
    {
    };
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular)
        return QStringLiteral("it is not a regular file");
    if (info.st_size > SmallFileBound) // QSettings would read it whole
        return TooLargeReason(SmallFileBound, QStringLiteral("component registry"));
    QByteArray probe = QFile::encodeName(file + QStringLiteral(".XXXXXX"));
    const int probeFd = ::mkstemp(probe.data());
    if (probeFd < 0)
        return systemReason();
    ::close(probeFd);
    ::unlink(probe.constData());
    return std::nullopt;
}

namespace registry_detail {

inline QString progIdKey(const QString& progId)
{
    return QStringLiteral("ProgID/") + progId + QStringLiteral("/CLSID");
}
inline QString classGroup(const QString& classId)
{
    return QStringLiteral("CLSID/") + classId.toUpper();
}
inline QString classKey(const QString& classId, const char* name)
{
    return classGroup(classId) + QLatin1Char('/') + QLatin1String(name);
}

// The same three operations on the file and on the run's registry.
template <typename Store> QString get(const Store& store, const QString& key)
{
    return store.value(key).toString();
}
inline void put(QSettings& store, const QString& key, const QString& value)
{
    store.setValue(key, value);
}
inline void put(QVariantMap& store, const QString& key, const QString& value)
{
    store.insert(key, value);
}
inline void removeGroup(QSettings& store, const QString& group)
{
    store.remove(group);
}
inline void removeGroup(QVariantMap& store, const QString& group)
{
    store.remove(group);
    for (auto it = store.begin(); it != store.end();)
        it = it.key().startsWith(group + QLatin1Char('/')) ? store.erase(it) : std::next(it);
}

template <typename Store> void write(Store& store, const ComponentRegistration& entry)
{
    put(store, progIdKey(entry.ProgID), entry.ClassId.toUpper());
    put(store, classKey(entry.ClassId, "ProgID"), entry.ProgID);
    put(store, classKey(entry.ClassId, "Library"), entry.Library);
}

template <typename Store> void remove(Store& store, const QString& progId, const QString& classId)
{
    // Another library may have taken the ProgID over since; leave its entry alone.
    if (get(store, progIdKey(progId)) == classId.toUpper())
        removeGroup(store, progIdKey(progId));
    removeGroup(store, classGroup(classId));
}

template <typename Store> std::optional<ComponentRegistration> find(const Store& store, const QString& progId)
{
    ComponentRegistration entry;
    entry.ProgID = progId;
    entry.ClassId = get(store, progIdKey(progId));
    if (entry.ClassId.isEmpty())
        return std::nullopt;
    entry.Library = get(store, classKey(entry.ClassId, "Library"));
    if (entry.Library.isEmpty())
        return std::nullopt;
    return entry;
}

// Runs change on the run's registry when there is one and reports true; false otherwise.
template <typename Change> bool changeRunRegistry(Change change)
{
    if (!UsingRunComponentRegistry())
        return false;
    QCoreApplication* app = QCoreApplication::instance();
    QVariantMap store = app->property(RunComponentRegistryProperty).toMap();
    change(store);
    app->setProperty(RunComponentRegistryProperty, store);
    return true;
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

// The registry file when it may be opened: missing, or a regular file of a sane size. A FIFO would block QSettings for
// good, and QSettings reads a file whole.
inline std::optional<QString> usableFile(QString* error)
{
    const QString file = ComponentRegistryPath();
    QString reason = QStringLiteral("the user's configuration folder is unknown");
    if (!file.isEmpty() && (!QFileInfo::exists(file) ||
                            IsRegularFile(file, &reason, SmallFileBound, QStringLiteral("component registry"))))
        return file;
    if (error)
        *error = QStringLiteral("The component registry %1 cannot be used: %2.").arg(file, reason);
    return std::nullopt;
}

} // namespace registry_detail

inline bool WriteComponentRegistration(const ComponentRegistration& entry, QString* error = nullptr)
{
    if (registry_detail::changeRunRegistry([&](QVariantMap& store) { registry_detail::write(store, entry); }))
        return true;
    const auto file = registry_detail::usableFile(error);
    if (!file)
        return false;
    if (!QDir().mkpath(QFileInfo(*file).absolutePath())) {
        if (error)
            *error = QStringLiteral("The folder of the component registry %1 could not be made.").arg(*file);
        return false;
    }
    QSettings settings(*file, QSettings::IniFormat);
    registry_detail::write(settings, entry);
    return registry_detail::finish(settings, error);
}

inline bool RemoveComponentRegistration(const QString& progId, const QString& classId, QString* error = nullptr)
{
    if (registry_detail::changeRunRegistry(
            [&](QVariantMap& store) { registry_detail::remove(store, progId, classId); }))
        return true;
    const auto file = registry_detail::usableFile(error);
    if (!file)
        return false;
    if (!QFileInfo::exists(*file))
        return true;
    QSettings settings(*file, QSettings::IniFormat);
    registry_detail::remove(settings, progId, classId);
    return registry_detail::finish(settings, error);
}

// The registration of a ProgID, or nothing when the ProgID or its class is not registered.
inline std::optional<ComponentRegistration> FindComponentRegistration(const QString& progId)
{
    if (UsingRunComponentRegistry())
        return registry_detail::find(QCoreApplication::instance()->property(RunComponentRegistryProperty).toMap(),
                                     progId);
    const auto file = registry_detail::usableFile(nullptr);
    if (!file || !QFileInfo::exists(*file))
        return std::nullopt;
    const QSettings settings(*file, QSettings::IniFormat);
    return registry_detail::find(settings, progId);
}

} // namespace talvo
