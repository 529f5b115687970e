#include "platform/ui/ComponentLoader.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/ProgramFolders.h"
#include "platform/core/Seams.h"
#include "platform/core/SharedObjectCheck.h"

#include <QCoreApplication>
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

// With ours, a registered library that is none of those counts as not registered.
Attempt tryCreate(const QString& progId, QWidget* parent, QuestionWidget** created, QString* error,
                  const QStringList* ours = nullptr)
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
    if (ours && !ours->contains(QFileInfo(entry->Library).canonicalFilePath())) {
        *error = QStringLiteral("The control library %1 of %2 is not the program's own.").arg(entry->Library, progId);
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

QStringList librariesIn(const QStringList& folders)
{
    QStringList files;
    for (const QString& name : ControlLibraryNames) {
        if (const QString file = FindFileIn(folders, QStringLiteral("lib") + name + QStringLiteral(".so"));
            !file.isEmpty())
            files << file;
    }
    return files;
}

QString noLibrariesIn(const QStringList& folders)
{
    return QStringLiteral("There are no control libraries in %1.").arg(folders.join(QStringLiteral(", ")));
}

QStringList ourFolders()
{
    return libraryFolder.isEmpty() ? ControlLibraryFolders(QCoreApplication::applicationDirPath())
                                   : QStringList{libraryFolder};
}

// Each library registers itself through its own DllRegisterServer; *refused tells whether one could not write.
void registerFiles(const QStringList& files, QStringList* problems, bool* refused = nullptr)
{
    for (const QString& file : files) {
        QString problem;
        QLibrary* library = loadedLibrary(file, &problem);
        const auto registerServer =
            library ? entryPoint<DllRegisterServerFunction>(*library, "DllRegisterServer", &problem) : nullptr;
        if (!registerServer) {
            *problems << problem;
            continue;
        }
        if (const ComponentResult result = registerServer(); result != ComponentOk) {
            *problems << QStringLiteral("The control library %1 could not register itself (code %2) in %3.")
                             .arg(file)
                             .arg(result)
                             .arg(ComponentRegistryPath());
            if (refused && result == ComponentRegistryFailed)
                *refused = true;
        }
    }
}

void useRunRegistry(const QString& reason)
{
    UseRunComponentRegistry();
    MsgBox(QStringLiteral("The component registry \"%1\" cannot be read or written: %2. The question widgets of this "
                          "run are taken from the program's own library folder.")
               .arg(ComponentRegistryPath(), reason),
           MessageButtons::OK, MessageIcon::Exclamation, FailureTitle);
}

// Registers the libraries the program finds; when the registry file cannot take them, this run keeps its own.
QString registerOurLibraries(const QStringList& files)
{
    if (!UsingRunComponentRegistry()) {
        if (const auto problem = ComponentRegistryProblem())
            useRunRegistry(*problem);
    }
    QStringList problems;
    bool refused = false;
    registerFiles(files, &problems, &refused);
    if (refused && !UsingRunComponentRegistry()) {
        useRunRegistry(QStringLiteral("the control libraries could not write to it"));
        problems.clear();
        registerFiles(files, &problems);
    }
    if (files.isEmpty())
        problems << noLibrariesIn(ourFolders());
    return problems.join(QLatin1Char('\n'));
}

} // namespace

QStringList FindControlLibraries(const QString& programFolder)
{
    return librariesIn(ControlLibraryFolders(programFolder));
}

bool EnsureComponentsRegistered(const QString& folder, QString* error)
{
    const QStringList files = librariesIn({folder});
    QStringList problems;
    registerFiles(files, &problems);
    if (files.isEmpty())
        problems << noLibrariesIn({folder});
    if (error)
        *error = problems.join(QLatin1Char('\n'));
    return problems.isEmpty();
}

void SetComponentLibraryFolder(const QString& folder)
{
    libraryFolder = folder;
}

QuestionWidget* CreateRegisteredWidget(const QString& progId, QWidget* parent, QString* error)
{
    QuestionWidget* widget = nullptr;
    QString problem;
    const QStringList files = librariesIn(ourFolders());
    QStringList ours;
    for (const QString& file : files)
        ours << QFileInfo(file).canonicalFilePath();
    Attempt attempt = tryCreate(progId, parent, &widget, &problem, &ours);
    if (attempt == Attempt::NotFound) {
        // The libraries the program finds register themselves on first need, and again when another took over.
        const QString registration = registerOurLibraries(files);
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
