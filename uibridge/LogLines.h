// The log rule shared by permanent and temporary lines.
#pragma once

class CWnd;

// Adds a line to a bound list box: it replaces the last item when the
// previous line was temporary, otherwise the oldest items go so that at most
// 256 remain; then the list scrolls to the new line and the line's kind
// (bTemporary 0 or 1) is remembered for the next line of either slot.
void AddLogLine(CWnd* pList, const char* pszText, int bTemporary);
