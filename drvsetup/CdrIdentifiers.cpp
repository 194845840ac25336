// CD-R identifier registration: reading the stored entries, adding new ones
// and removing the list.
#include "CdrIdentifiers.h"

#include "CdromKey.h"
#include "RegKey.h"

#include <cstring>
#include <string>
#include <unordered_set>

namespace {

constexpr char kListKeyName[] = "RegisteredCDR";
constexpr char kIdentifierValue[] = "Identifier";

// Every key of the list is created with an empty class, non-volatile, with
// full access and the default security.
LONG CreateListKey(HKEY hParent, const char* pszName, RegKey& key, DWORD* pDisposition)
{
    static char emptyClass[] = "";
    return ::RegCreateKeyExA(hParent, pszName, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                             key.Put(), pDisposition);
}

bool CountSubkeys(HKEY hKey, DWORD& count)
{
    return ::RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string EntryName(DWORD number)
{
    return std::to_string(number);
}

// The Identifier of one entry as strcmp would see it (up to its first NUL),
// however long it is; false when the entry does not open or does not read.
bool ReadIdentifier(HKEY hList, const char* pszEntry, std::string& text)
{
    RegKey entry;
    if (::RegOpenKeyExA(hList, pszEntry, 0, KEY_READ, entry.Put()) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    if (::RegQueryValueExA(entry.Get(), kIdentifierValue, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::string data(size, '\0');
    if (size != 0
        && ::RegQueryValueExA(entry.Get(), kIdentifierValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]),
                              &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    text.assign(data.c_str());
    return true;
}

// Every identifier stored in the list, read once: whichever entries exist,
// above a gap in the numbering too. An entry that does not read is passed
// over.
std::unordered_set<std::string> StoredIdentifiers(HKEY hList)
{
    std::unordered_set<std::string> stored;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(hList, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string text;
        if (ReadIdentifier(hList, name, text))
            stored.insert(text);
    }
    return stored;
}

// Stores one identifier under the first number from next on whose entry
// does not exist yet, and moves next past it. An entry that exists is never
// overwritten: after a gap in the numbering the count of entries names one.
bool StoreIdentifier(HKEY hList, DWORD& next, const char* pszIdentifier)
{
    for (;;) {
        const std::string name = EntryName(next);
        RegKey entry;
        DWORD disposition = 0;
        if (CreateListKey(hList, name.c_str(), entry, &disposition) != ERROR_SUCCESS)
            return false;
        if (disposition == REG_OPENED_EXISTING_KEY) {
            ++next;
            continue;
        }
        // REG_SZ with its terminating NUL: length + 1 bytes.
        const DWORD size = static_cast<DWORD>(std::strlen(pszIdentifier) + 1);
        if (::RegSetValueExA(entry.Get(), kIdentifierValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszIdentifier),
                             size) != ERROR_SUCCESS) {
            // Leave the number free for the next identifier.
            entry.Close();
            ::RegDeleteKeyA(hList, name.c_str());
            return false;
        }
        ++next;
        return true;
    }
}

} // namespace

int RegisterCdrIdentifiers(const CStringArray& list, int count)
{
    RegKey cdrom(OpenCdromKey());
    if (!cdrom)
        return 0;
    RegKey listKey;
    if (CreateListKey(cdrom.Get(), kListKeyName, listKey, nullptr) != ERROR_SUCCESS)
        return 0;
    // Without the number of entries nothing can be numbered safely.
    DWORD next = 0;
    if (!CountSubkeys(listKey.Get(), next))
        return 0;

    // Stored identifiers are read once; those stored by this run join them,
    // so an identifier listed twice is stored once.
    std::unordered_set<std::string> present = StoredIdentifiers(listKey.Get());
    const int usable = count < list.GetSize() ? count : list.GetSize();
    for (int i = 0; i < usable; ++i) {
        const CString& identifier = list.GetAt(i);
        if (present.count(identifier.GetString()) != 0)
            continue;
        if (StoreIdentifier(listKey.Get(), next, identifier))
            present.insert(identifier.GetString());
    }
    return 1;
}

int RemoveCdrIdentifiers()
{
    RegKey cdrom(OpenCdromKey());
    if (!cdrom)
        return 0;
    RegKey listKey;
    if (::RegOpenKeyExA(cdrom.Get(), kListKeyName, 0, KEY_ALL_ACCESS, listKey.Put()) != ERROR_SUCCESS)
        return 0;
    // Without the number of entries nothing is deleted.
    DWORD count = 0;
    if (!CountSubkeys(listKey.Get(), count))
        return 0;

    int result = 1;
    for (DWORD number = 0; number < count; ++number) {
        if (::RegDeleteKeyA(listKey.Get(), EntryName(number).c_str()) != ERROR_SUCCESS)
            result = 0;
    }
    if (result == 1)
        ::RegFlushKey(listKey.Get());
    listKey.Close();
    if (::RegDeleteKeyA(cdrom.Get(), kListKeyName) != ERROR_SUCCESS)
        result = 0;
    return result;
}
