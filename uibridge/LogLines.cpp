// Log lines: WriteLine, TemporaryLine and the rule they share.
#include "LogLines.h"

#include "BridgeState.h"
#include "CWnd.h"
#include "ExportGuard.h"
#include "Texts.h"

namespace {

// Lines kept before a line is added without replacing one.
constexpr int kKeptLines = 255;

int SendToList(HWND hList, UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<int>(::SendMessageA(hList, message, wParam, lParam));
}

// A missing line is shown as the marker, outside the rule: it replaces
// nothing, trims nothing, does not scroll and leaves the flag as it was.
void LogLine(CWnd* pList, const char* pszMessage, int bTemporary)
{
    if (!pList)
        return;
    if (!pszMessage) {
        SendToList(pList->m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kNullLineMarker));
        return;
    }
    AddLogLine(pList, pszMessage, bTemporary);
}

} // namespace

void AddLogLine(CWnd* pList, const char* pszText, int bTemporary)
{
    const HWND hList = pList->m_hWnd;
    int count = SendToList(hList, LB_GETCOUNT, 0, 0);
    if (BridgeState.LastLineWasTemporary) {
        // The list keeps its items in the order they came: the last one is
        // the pending temporary line.
        if (count != LB_ERR && count > 0)
            SendToList(hList, LB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
    } else if (count != LB_ERR) {
        for (; count > kKeptLines; --count)
            SendToList(hList, LB_DELETESTRING, 0, 0);
    }
    const int index = SendToList(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText));
    if (index != LB_ERR)
        SendToList(hList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    BridgeState.LastLineWasTemporary = bTemporary;
}

extern "C" void WINAPI WriteLine(const char* pszMessage)
{
    ExportGuard([&] { LogLine(mf_GetWriteLineControl(), pszMessage, 0); });
}

extern "C" void WINAPI TemporaryLine(const char* pszMessage)
{
    ExportGuard([&] { LogLine(mf_GetTemporaryLineControl(), pszMessage, 1); });
}
