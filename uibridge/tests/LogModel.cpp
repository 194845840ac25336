// LogModel: one pending-temporary flag for every list, the oldest lines
// going so that 256 remain.
#include "LogModel.h"

namespace {
const char kMarker[] = "pszMessage == NULL !?!";
}

void LogModel::Add(HWND list, const std::string& text, bool temporary)
{
    if (!list)
        return;
    std::deque<std::string>& lines = m_lists[list];
    if (m_lastTemporary) {
        if (!lines.empty())
            lines.pop_back();
    } else {
        while (lines.size() > 255)
            lines.pop_front();
    }
    lines.push_back(text);
    m_lastTemporary = temporary;
}

void LogModel::AddNull(HWND list)
{
    if (list)
        m_lists[list].push_back(kMarker);
}
