// Writes the program's icon for the hicolor theme: OUTPUT-FOLDER/<n>x<n>/apps/newtalvo.png for each size given.

#include "shell/ui/ApplicationIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !talvo::ApplicationIconImage(size).save(folder + QStringLiteral("/newtalvo.png"))) {
            std::fprintf(stderr, "%s: could not write the %s pixel icon into %s\n", argv[0], argv[i], argv[1]);
            return 1;
        }
    }
    return 0;
}
