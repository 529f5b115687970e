#include "platform/core/SharedObjectCheck.h"

#include "platform/core/RegularFile.h"

#include <QFile>
#include <QtGlobal>

#include <elf.h>

#include <cstring>
#include <type_traits>

namespace talvo {
namespace {

using Ehdr = std::conditional_t<sizeof(void*) == 8, Elf64_Ehdr, Elf32_Ehdr>;
using Phdr = std::conditional_t<sizeof(void*) == 8, Elf64_Phdr, Elf32_Phdr>;
using Shdr = std::conditional_t<sizeof(void*) == 8, Elf64_Shdr, Elf32_Shdr>;
constexpr unsigned char NativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char NativeByteOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? ELFDATA2LSB : ELFDATA2MSB;

// 0 where the architecture is not listed: then the loader's own check of the machine has to do.
constexpr Elf32_Half NativeMachine =
#if defined(__x86_64__)
    EM_X86_64;
#elif defined(__i386__)
    EM_386;
#elif defined(__aarch64__)
    EM_AARCH64;
#elif defined(__arm__)
    EM_ARM;
#else
    0;
#endif

// Whether count entries of entrySize bytes from offset lie inside a file of fileSize bytes, without overflow.
bool inside(quint64 offset, quint64 count, quint64 entrySize, quint64 fileSize)
{
    return offset <= fileSize && count <= (fileSize - offset) / entrySize;
}

template <typename T> bool readAt(QFile& file, quint64 offset, T& value)
{
    return file.seek(static_cast<qint64>(offset)) &&
           file.read(reinterpret_cast<char*>(&value), sizeof(T)) == static_cast<qint64>(sizeof(T));
}

QString checkFile(QFile& file)
{
    const quint64 size = static_cast<quint64>(file.size());
    Ehdr header{};
    if (!readAt(file, 0, header))
        return QStringLiteral("it ends inside its ELF header");
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return QStringLiteral("it is not an ELF file");
    if (header.e_ident[EI_CLASS] != NativeClass || header.e_ident[EI_DATA] != NativeByteOrder ||
        header.e_ident[EI_VERSION] != EV_CURRENT || (NativeMachine != 0 && header.e_machine != NativeMachine))
        return QStringLiteral("it is not built for this machine");
    if (header.e_type != ET_DYN)
        return QStringLiteral("it is not a shared library");
    if (header.e_phentsize != sizeof(Phdr) || header.e_phnum == 0 ||
        !inside(header.e_phoff, header.e_phnum, sizeof(Phdr), size))
        return QStringLiteral("its program headers are damaged or cut off");
    for (quint64 i = 0; i < header.e_phnum; ++i) {
        Phdr segment{};
        if (!readAt(file, header.e_phoff + i * sizeof(Phdr), segment))
            return QStringLiteral("its program headers cannot be read");
        if (!inside(segment.p_offset, segment.p_filesz, 1, size) ||
            (segment.p_type == PT_LOAD && segment.p_filesz > segment.p_memsz))
            return QStringLiteral("its segment %1 is cut off or damaged").arg(i);
    }
    if (header.e_shnum != 0) {
        if (header.e_shentsize != sizeof(Shdr) || !inside(header.e_shoff, header.e_shnum, sizeof(Shdr), size) ||
            (header.e_shstrndx >= header.e_shnum && header.e_shstrndx != SHN_XINDEX))
            return QStringLiteral("its section headers are damaged or cut off");
        for (quint64 i = 0; i < header.e_shnum; ++i) {
            Shdr section{};
            if (!readAt(file, header.e_shoff + i * sizeof(Shdr), section))
                return QStringLiteral("its section headers cannot be read");
            if (section.sh_type != SHT_NOBITS && !inside(section.sh_offset, section.sh_size, 1, size))
                return QStringLiteral("its section %1 is cut off or damaged").arg(i);
        }
    }
    return {};
}

} // namespace

bool IsCompleteSharedObject(const QString& path, QString* reason)
{
    QFile file(path);
    QString problem;
    // A FIFO would block the check, and the system loader after it, for good.
    if (OpenRegularFile(file, &problem))
        problem = checkFile(file);
    if (problem.isEmpty())
        return true;
    if (reason)
        *reason = problem;
    return false;
}

} // namespace talvo
