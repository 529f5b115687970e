#pragma once

#include "platform/ui/QuestionWidgetInterface.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace talvo {

// The control libraries that ship beside the program, by base name (the files are lib<name>.so).
inline const QStringList ControlLibraryNames = {QStringLiteral("PromptEdit"), QStringLiteral("PromptToggle"),
                                                QStringLiteral("PromptList")};

// Registers every control library found in folder by calling its own DllRegisterServer. False, with the reasons
// in *error, when none was found or one could not be loaded or registered.
bool EnsureComponentsRegistered(const QString& folder, QString* error = nullptr);

// The folder whose libraries are registered when a ProgID is not: the program's own folder unless set.
void SetComponentLibraryFolder(const QString& folder);
QString ComponentLibraryFolder();

// A new, hidden instance of the ProgID's class inside parent, made through the component registry. When the
// ProgID is not registered or its library cannot be loaded, the libraries of ComponentLibraryFolder() are
// registered and the creation is tried once more. nullptr, with the reason in *error, when it cannot be made.
// Libraries once loaded stay loaded: their widgets may still wait for a deferred delete.
QuestionWidget* CreateRegisteredWidget(const QString& progId, QWidget* parent, QString* error = nullptr);

} // namespace talvo
