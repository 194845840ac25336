// CFile and CStdioFile: a file opened for reading and read line by line as a
// text-mode stream, the way the programs read configuration files.
#pragma once

#include "CString.h"

class CFile {
public:
    // Open flags. Files are only ever read, in the compatibility share mode,
    // which opens them exclusively: no other handle may be open at the time.
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        shareCompat = 0x0000,
        typeText = 0x4000,
    };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // CreateFileA with GENERIC_READ, share mode 0 and OPEN_EXISTING; FALSE
    // when the file cannot be opened (missing, no access, open elsewhere).
    virtual BOOL Open(const char* pszFileName, UINT nOpenFlags);

    CString GetFilePath() const { return m_strFileName; }

protected:
    // Reads up to nCount bytes; 0 at the end of the file. A read error
    // raises CFileException (generic, the system error, the path).
    UINT Read(void* pBuffer, UINT nCount);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    CString m_strFileName;
};

class CStdioFile : public CFile {
public:
    BOOL Open(const char* pszFileName, UINT nOpenFlags) override;

    // Reads one line into psz: at most nMax - 1 characters, the line feed
    // kept when it fits, then a NUL. A longer line arrives in pieces. In text
    // mode CR LF arrives as LF. Returns null at the end of the file; a read
    // error raises CFileException.
    char* ReadString(char* psz, UINT nMax);

private:
    int NextByte();    // -1 at the end of the file
    int PeekByte();

    bool m_bText = false;
    bool m_bEnd = false;
    BYTE m_buffer[512];
    UINT m_nPos = 0;
    UINT m_nLen = 0;
};
