#pragma once

#include <QString>

namespace talvo {

// What the program knows about itself: its title, maker's product name, version and help file.
struct AppInfo
{
    QString Title = QStringLiteral("TalvoDSS");
    QString CompanyName = QStringLiteral("Talvo Decision Support System");
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
    // Empty means the program has no help; start-up looks beside the program, then in its installed data folder.
    QString HelpFile;
};

// The process-wide instance, with the version of the build.
AppInfo& App();

// "Version 1.0.0": the splash screen's and about box's version line.
QString VersionText(const AppInfo& app);

} // namespace talvo
