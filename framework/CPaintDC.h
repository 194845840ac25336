// CPaintDC: BeginPaint and EndPaint as one scope.
#pragma once

#include "CWnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd), m_hDC(::BeginPaint(m_hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
    HDC m_hDC;
};
