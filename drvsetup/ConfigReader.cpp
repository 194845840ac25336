// The recorder configuration file reader: line classes and cleaning.
#include "ConfigReader.h"

#include "Texts.h"

#include <cstring>
#include <new>

namespace {

// One line or piece of a longer line: 255 characters and the NUL.
constexpr UINT kLineBufferSize = 256;
constexpr int kPreparedEntries = 20;

// No owner: the reader may run before or outside any window.
void ShowReaderMessage(const char* pszText)
{
    ::MessageBoxA(nullptr, pszText, texts::kCaption, texts::kBoxStyle);
}

// Empty, indented, section header and blank lines carry no identifier;
// every other line does, a comment line (";" first) included.
bool IsIdentifierLine(char first)
{
    return first != '\0' && first != ' ' && first != '[' && first != '\n';
}

// The identifier ends at the first ";" (the rest is a comment) or, without
// one, before the final line feed. Nothing else is trimmed: spaces before a
// comment belong to the drive's inquiry string.
void CleanIdentifier(char* pszLine)
{
    if (char* comment = std::strchr(pszLine, ';')) {
        *comment = '\0';
        return;
    }
    const size_t n = std::strlen(pszLine);
    if (n > 0 && pszLine[n - 1] == '\n')
        pszLine[n - 1] = '\0';
}

} // namespace

std::unique_ptr<char[]> HeapLineBuffer(size_t nSize)
{
    return std::unique_ptr<char[]>(new (std::nothrow) char[nSize]);
}

int ReadRecorderConfig(CStringArray& list, const char* pszPath, LineBufferSource source)
{
    list.SetSize(kPreparedEntries, 1);
    int count = 0;

    CStdioFile file;
    if (!file.Open(pszPath, CFile::typeText | CFile::modeRead | CFile::shareCompat)) {
        ShowReaderMessage(texts::kConfigOpenFailed);
        return 0;
    }
    std::unique_ptr<char[]> line = source(kLineBufferSize);
    if (!line) {
        ShowReaderMessage(texts::kConfigNoMemory);
        return 0;
    }
    while (file.ReadString(line.get(), kLineBufferSize)) {
        if (!IsIdentifierLine(line[0]))
            continue;
        CleanIdentifier(line.get());
        list.InsertAt(count, line.get());
        ++count;
    }
    return count;
}
