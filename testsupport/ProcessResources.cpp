// Counting what the process holds: handles, GDI and USER objects, windows.
#include "ProcessResources.h"

#include <vector>

namespace {

// NtQuerySystemInformation's list of open handles (class 16, since NT 3.5).
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct SystemHandle {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};

struct SystemHandles {
    ULONG count;
    SystemHandle handles[1];
};

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

} // namespace

DWORD ProcessHandleCount()
{
    typedef BOOL(WINAPI * CountFn)(HANDLE, PDWORD);
    auto count = reinterpret_cast<CountFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    DWORD n = 0;
    if (count && count(::GetCurrentProcess(), &n) && n != 0)
        return n;
    // Wine (8.0) answers 0 there, but lists every handle of the system, with
    // its owner, in one call (probing the handle table value by value took
    // half a second).
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 0;
    std::vector<BYTE> buffer(1 << 16);
    LONG status;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr))
           == kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    const auto* list = reinterpret_cast<const SystemHandles*>(buffer.data());
    const DWORD self = ::GetCurrentProcessId();
    for (ULONG i = 0; i < list->count; ++i) {
        if (list->handles[i].ownerPid == self)
            ++n;
    }
    return n;
}

ProcessResources CurrentProcessResources()
{
    typedef DWORD(WINAPI * Fn)(HANDLE, DWORD);
    auto guiResources = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetGuiResources")));
    ProcessResources r;
    r.handles = ProcessHandleCount();
    if (guiResources) {
        r.gdiObjects = guiResources(::GetCurrentProcess(), 0);    // GR_GDIOBJECTS
        r.userObjects = guiResources(::GetCurrentProcess(), 1);   // GR_USEROBJECTS
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&r.threadWindows));
    return r;
}

bool ProcessResources::Exceeds(const ProcessResources& base) const
{
    return handles > base.handles || gdiObjects > base.gdiObjects || userObjects > base.userObjects
           || threadWindows > base.threadWindows;
}

std::ostream& operator<<(std::ostream& os, const ProcessResources& r)
{
    return os << "{handles " << r.handles << ", GDI objects " << r.gdiObjects << ", USER objects "
              << r.userObjects << ", thread windows " << r.threadWindows << "}";
}
