// The lines that each bound list should hold after a run of WriteLine and
// TemporaryLine calls, kept beside the real lists so that a long run can be
// compared with them line for line.
#pragma once

#include <windows.h>

#include <deque>
#include <map>
#include <string>

class LogModel {
public:
    // A line that went through the log rule into `list`; no list (null) is a
    // call with nothing bound, which changes nothing.
    void Add(HWND list, const std::string& text, bool temporary);
    // A null line: the marker goes to the end of the list, outside the rule.
    void AddNull(HWND list);
    const std::deque<std::string>& Lines(HWND list) { return m_lists[list]; }

private:
    std::map<HWND, std::deque<std::string>> m_lists;
    bool m_lastTemporary = false;
};
