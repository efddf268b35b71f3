#include "memory.h"

#include <QFile>
#include <QList>
#include <cstddef>
#include <malloc.h>
#if defined(_WIN32)
#include <windows.h>
// windows.h first: psapi.h builds on it.
#include <psapi.h>
#else
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of the bytes held; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace test {

#if defined(_WIN32)

// The C runtime's heap, block by block, and the process's working set as Windows counts it.
long long heapInUse() {
    _heapmin();
    long long used = 0;
    _HEAPINFO block{};
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY) {
            used += static_cast<long long>(block._size);
        }
    }
    return used;
}

long long residentBytes() {
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    return GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c)
               ? static_cast<long long>(c.WorkingSetSize)
               : 0;
}

#else

long long heapInUse() {
    malloc_trim(0);
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long long>(mallinfo2().uordblks);
#endif
}

long long residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

#endif

} // namespace test
