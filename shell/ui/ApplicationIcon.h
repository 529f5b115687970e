#pragma once

#include <QIcon>
#include <QImage>

namespace talvo {

// The program's own picture, drawn like the toolbar's: a sown field under the fallout sign. The image needs no
// application object, so the build can write the installed icon files from it.
QImage ApplicationIconImage(int size);

// The windows' icon, in the sizes a desktop asks for.
QIcon ApplicationIcon();

} // namespace talvo
