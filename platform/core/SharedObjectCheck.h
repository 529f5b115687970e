#pragma once

#include <QString>

namespace talvo {

// Whether the file is an ELF shared object of this machine's class, byte order and architecture whose program
// headers, segments and section headers all lie inside the file. The system loader maps a library without such
// checks, and touching a segment that was cut off ends the process (SIGBUS), so a library is checked first.
// False, with the reason in *reason, otherwise.
bool IsCompleteSharedObject(const QString& path, QString* reason = nullptr);

} // namespace talvo
