#include "platform/ui/ComponentLoader.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/SharedObjectCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <map>
#include <memory>

namespace talvo {
namespace {

QString libraryFolder;

// One QLibrary per file for the life of the process; none is ever unloaded.
QLibrary* loadedLibrary(const QString& file, QString* error)
{
    static std::map<QString, std::unique_ptr<QLibrary>> libraries;
    const QString path = QFileInfo(file).absoluteFilePath();
    auto& library = libraries[path];
    if (!library)
        library = std::make_unique<QLibrary>(path);
    if (library->isLoaded())
        return library.get();
    // A library cut short would end the process inside the system loader; it is reported like a missing one.
    QString damage;
    if (!IsCompleteSharedObject(path, &damage)) {
        if (error)
            *error = QStringLiteral("The control library %1 is damaged (%2) and was not loaded.").arg(path, damage);
        return nullptr;
    }
    if (!library->load()) {
        if (error)
            *error = QStringLiteral("The control library %1 could not be loaded: %2").arg(path, library->errorString());
        return nullptr;
    }
    return library.get();
}

template <typename Function> Function entryPoint(QLibrary& library, const char* name, QString* error)
{
    auto function = reinterpret_cast<Function>(library.resolve(name));
    if (!function && error)
        *error = QStringLiteral("The control library %1 has no entry point %2.")
                     .arg(library.fileName(), QLatin1String(name));
    return function;
}

enum class Attempt { Created, NotFound, Failed };

Attempt tryCreate(const QString& progId, QWidget* parent, QuestionWidget** created, QString* error)
{
    const auto entry = FindComponentRegistration(progId);
    if (!entry) {
        *error = QStringLiteral("The control %1 is not registered.").arg(progId);
        return Attempt::NotFound;
    }
    if (!QFileInfo::exists(entry->Library)) {
        *error = QStringLiteral("The control library %1 of %2 is missing.").arg(entry->Library, progId);
        return Attempt::NotFound;
    }
    QLibrary* library = loadedLibrary(entry->Library, error);
    if (!library)
        return Attempt::NotFound;
    const auto getClassObject = entryPoint<DllGetClassObjectFunction>(*library, "DllGetClassObject", error);
    if (!getClassObject)
        return Attempt::NotFound;
    void* object = nullptr;
    const ComponentResult result =
        getClassObject(entry->ClassId.toLatin1().constData(), QuestionWidgetFactoryId, &object);
    if (result != ComponentOk || !object) {
        *error = QStringLiteral("The control library %1 does not supply the class %2 of %3 (code %4).")
                     .arg(entry->Library, entry->ClassId, progId)
                     .arg(result);
        return Attempt::Failed;
    }
    QuestionWidget* widget = static_cast<QuestionWidgetFactory*>(object)->CreateInstance(parent);
    if (!widget) {
        *error = QStringLiteral("The control library %1 made no instance of %2.").arg(entry->Library, progId);
        return Attempt::Failed;
    }
    *created = widget;
    return Attempt::Created;
}

} // namespace

bool EnsureComponentsRegistered(const QString& folder, QString* error)
{
    QStringList problems;
    int registered = 0;
    const QDir dir(folder);
    for (const QString& name : ControlLibraryNames) {
        const QString file = dir.filePath(QStringLiteral("lib") + name + QStringLiteral(".so"));
        if (!QFileInfo::exists(file))
            continue;
        QString problem;
        QLibrary* library = loadedLibrary(file, &problem);
        const auto registerServer =
            library ? entryPoint<DllRegisterServerFunction>(*library, "DllRegisterServer", &problem) : nullptr;
        if (!registerServer) {
            problems << problem;
            continue;
        }
        if (const ComponentResult result = registerServer(); result != ComponentOk) {
            problems << QStringLiteral("The control library %1 could not register itself (code %2) in %3.")
                            .arg(file)
                            .arg(result)
                            .arg(ComponentRegistryPath());
            continue;
        }
        ++registered;
    }
    if (registered == 0 && problems.isEmpty())
        problems << QStringLiteral("There are no control libraries in %1.").arg(QDir::toNativeSeparators(folder));
    if (error)
        *error = problems.join(QLatin1Char('\n'));
    return problems.isEmpty();
}

void SetComponentLibraryFolder(const QString& folder)
{
    libraryFolder = folder;
}

QString ComponentLibraryFolder()
{
    return libraryFolder.isEmpty() ? QCoreApplication::applicationDirPath() : libraryFolder;
}

QuestionWidget* CreateRegisteredWidget(const QString& progId, QWidget* parent, QString* error)
{
    QuestionWidget* widget = nullptr;
    QString problem;
    Attempt attempt = tryCreate(progId, parent, &widget, &problem);
    if (attempt == Attempt::NotFound) {
        // The libraries beside the program register themselves on first need.
        QString registration;
        EnsureComponentsRegistered(ComponentLibraryFolder(), &registration);
        attempt = tryCreate(progId, parent, &widget, &problem);
        if (attempt != Attempt::Created && !registration.isEmpty())
            problem += QLatin1Char('\n') + registration;
    }
    if (attempt != Attempt::Created) {
        if (error)
            *error = problem;
        return nullptr;
    }
    return widget;
}

} // namespace talvo
