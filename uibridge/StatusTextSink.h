// CStatusTextSink: the interface of the front-end objects that show the
// action and sub-action texts.
#pragma once

// The bridge calls only the second entry of the virtual function table,
// ShowStatusText, with the engine's text pointer exactly as it came (null or
// empty included). The first entry is the front end's own: the bridge never
// calls it. With GCC a virtual destructor would take two table entries and
// push ShowStatusText to the third, so this interface declares none; objects
// are never deleted through it.
class CStatusTextSink {
public:
    // Empties the shown text; for the front end's own use.
    virtual void ClearStatusText() = 0;
    // Shows a status text of the engine; pszText may be null.
    virtual void ShowStatusText(const char* pszText) = 0;

protected:
    CStatusTextSink() = default;
    CStatusTextSink(const CStatusTextSink&) = default;
    CStatusTextSink& operator=(const CStatusTextSink&) = default;
    ~CStatusTextSink() = default;
};
