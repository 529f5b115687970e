#pragma once

#include <QString>
#include <QStringList>

namespace talvo {

// The folders in which a program lying in programFolder looks for the files it ships, best first: its own folder,
// where the build puts them, then the folder an installation puts them in, at a place relative to the program
// that is fixed when the build is configured, so that any installation prefix works.
QStringList ControlLibraryFolders(const QString& programFolder);
QStringList DataFileFolders(const QString& programFolder);

// The path of name in the first of folders where it is a file; empty when it is in none.
QString FindFileIn(const QStringList& folders, const QString& name);

} // namespace talvo
