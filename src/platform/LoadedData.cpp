#include "LoadedData.h"

#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace LoadedData {
namespace {

// A library whose code or data the loader patches in place (text relocations) has
// written pages in segments marked read-only: those pages are its own, not the file's.
bool patchedInPlace(const dl_phdr_info &info)
{
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const ElfW(Phdr) &header = info.dlpi_phdr[i];
        if (header.p_type != PT_DYNAMIC)
            continue;
        for (auto *entry = reinterpret_cast<const ElfW(Dyn) *>(info.dlpi_addr + header.p_vaddr);
             entry->d_tag != DT_NULL; ++entry) {
            if (entry->d_tag == DT_TEXTREL || (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_TEXTREL)))
                return true;
        }
    }
    return false;
}

int releaseObject(dl_phdr_info *info, size_t, void *)
{
    static const std::uintptr_t pageSize = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    if (patchedInPlace(*info))
        return 0;
    // The part the loader writes once and then makes read-only (relocated pointers,
    // tables of virtual functions) holds written pages: never handed back.
    std::uintptr_t relroStart = 0, relroEnd = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &header = info->dlpi_phdr[i];
        if (header.p_type == PT_GNU_RELRO) {
            relroStart = info->dlpi_addr + header.p_vaddr;
            relroEnd = relroStart + header.p_memsz;
        }
    }
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &header = info->dlpi_phdr[i];
        // Read-only data only: neither code nor anything writable.
        if (header.p_type != PT_LOAD || header.p_flags != PF_R)
            continue;
        const std::uintptr_t begin = info->dlpi_addr + header.p_vaddr;
        const std::uintptr_t end = begin + header.p_filesz;
        if (begin < relroEnd && relroStart < end)
            continue;
        // Whole pages inside the segment: a page shared with a neighbour stays.
        const std::uintptr_t first = (begin + pageSize - 1) & ~(pageSize - 1);
        const std::uintptr_t last = end & ~(pageSize - 1);
        if (first < last)
            ::madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
    }
    return 0;
}

} // namespace

void releasePages()
{
    ::dl_iterate_phdr(releaseObject, nullptr);
}

} // namespace LoadedData
