#pragma once

#include "platform/ui/QuestionWidgetInterface.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace talvo {

// The control libraries that ship beside the program, by base name (the files are lib<name>.so).
inline const QStringList ControlLibraryNames = {QStringLiteral("PromptEdit"), QStringLiteral("PromptToggle"),
                                                QStringLiteral("PromptList")};

// The control library files that a program lying in programFolder finds, each in the first of its library folders
// that holds it (ControlLibraryFolders).
QStringList FindControlLibraries(const QString& programFolder);

// Registers every control library found in folder by calling its own DllRegisterServer. False, with the reasons
// in *error, when none was found or one could not be loaded or registered.
bool EnsureComponentsRegistered(const QString& folder, QString* error = nullptr);

// The libraries are looked for in folder alone from now on; an empty folder restores the program's own folders.
void SetComponentLibraryFolder(const QString& folder);

// A new, hidden instance of the ProgID's class inside parent, made through the component registry. When the
// ProgID is not registered, or its library is missing, cannot be loaded or is not one of the libraries the program
// finds, those libraries are registered and the creation is tried once more. When the registry cannot be read or
// written, the user is told once and this run keeps a registry of its own. nullptr, with the reason in *error, when it
// cannot be made. Libraries once loaded stay loaded: their widgets may still wait for a deferred delete.
QuestionWidget* CreateRegisteredWidget(const QString& progId, QWidget* parent, QString* error = nullptr);

} // namespace talvo
