// CFile and CStdioFile: opening, raw reads and text-mode lines.
#include "CStdioFile.h"

#include "FileException.h"

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
}

BOOL CFile::Open(const char* pszFileName, UINT)
{
    if (m_hFile != INVALID_HANDLE_VALUE || !pszFileName)
        return FALSE;
    m_hFile = ::CreateFileA(pszFileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_strFileName = pszFileName;
    return TRUE;
}

UINT CFile::Read(void* pBuffer, UINT nCount)
{
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, pBuffer, nCount, &nRead, nullptr))
        throw CFileException(CFileException::generic, static_cast<LONG>(::GetLastError()), m_strFileName);
    return nRead;
}

BOOL CStdioFile::Open(const char* pszFileName, UINT nOpenFlags)
{
    if (!CFile::Open(pszFileName, nOpenFlags))
        return FALSE;
    m_bText = (nOpenFlags & typeText) != 0;
    m_bEnd = false;
    m_nPos = m_nLen = 0;
    return TRUE;
}

int CStdioFile::PeekByte()
{
    if (m_nPos == m_nLen && !m_bEnd) {
        m_nPos = 0;
        m_nLen = Read(m_buffer, sizeof m_buffer);
        m_bEnd = m_nLen == 0;
    }
    if (m_nPos == m_nLen)
        return -1;
    // As in the C runtime's text mode, Ctrl+Z ends the text: editors of the
    // DOS era leave one at the end of the file.
    if (m_bText && m_buffer[m_nPos] == 0x1A) {
        m_bEnd = true;
        m_nPos = m_nLen;
        return -1;
    }
    return m_buffer[m_nPos];
}

int CStdioFile::NextByte()
{
    int c = PeekByte();
    if (c < 0)
        return c;
    ++m_nPos;
    // A carriage return directly before a line feed is part of the line end;
    // any other carriage return is text.
    if (m_bText && c == '\r' && PeekByte() == '\n') {
        ++m_nPos;
        return '\n';
    }
    return c;
}

char* CStdioFile::ReadString(char* psz, UINT nMax)
{
    if (!psz || nMax == 0)
        return nullptr;
    UINT n = 0;
    while (n + 1 < nMax) {
        const int c = NextByte();
        if (c < 0)
            break;
        psz[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    psz[n] = '\0';
    if (n == 0 && nMax > 1)
        return nullptr;
    return psz;
}
