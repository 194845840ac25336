// ListBoxLines: the items of a list box through messages with a time limit.
#include "ListBoxReader.h"

namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr int kMaxLine = 1024;

bool Ask(HWND hWnd, UINT message, WPARAM wParam, DWORD_PTR* result)
{
    return ::SendMessageTimeoutA(hWnd, message, wParam, 0, SMTO_ABORTIFHUNG, kTimeoutMs, result) != 0;
}

} // namespace

std::vector<std::string> ListBoxLines(HWND list)
{
    std::vector<std::string> lines;
    DWORD_PTR count = 0;
    if (!Ask(list, LB_GETCOUNT, 0, &count) || static_cast<LRESULT>(count) == LB_ERR)
        return lines;
    for (DWORD_PTR i = 0; i < count; ++i) {
        // Wine (8.0) hands an ANSI LB_GETTEXT sent from another process back
        // as wide text, so it is asked for wide text and converted here.
        wchar_t wide[kMaxLine] = L"";
        char line[kMaxLine] = "";
        DWORD_PTR length = 0;
        if (Ask(list, LB_GETTEXTLEN, i, &length) && length < kMaxLine &&
            ::SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                                  kTimeoutMs, &length))
            ::WideCharToMultiByte(CP_ACP, 0, wide, -1, line, sizeof line, nullptr, nullptr);
        lines.emplace_back(line);
    }
    return lines;
}
