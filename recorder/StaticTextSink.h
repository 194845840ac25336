// CStaticTextSink: shows the engine's action texts in a static control.
#pragma once

#include "CWnd.h"
#include "uibridge.h"

class CStaticTextSink : public CStatusTextSink {
public:
    explicit CStaticTextSink(CWnd& field) : m_field(field) {}

    void ClearStatusText() override { m_field.SetWindowText(""); }
    // A null text shows as an empty field.
    void ShowStatusText(const char* pszText) override { m_field.SetWindowText(pszText); }

private:
    CWnd& m_field;
};
