// CAboutDlg: the About box (template 100), opened from the system menu.
#pragma once

#include "framework.h"
#include "resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

protected:
    BOOL OnInitDialog() override { CDialog::OnInitDialog(); return TRUE; }
};
