// CRecorderDlg: the recorder window, whose controls the bridge's slots are
// bound to while it is open.
#pragma once

#include "StaticTextSink.h"
#include "framework.h"

class CRecorderDlg : public CDialog {
public:
    CRecorderDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Enter does not close the recorder.
    void OnOK() override {}
    // While recording: asks for an interrupt. Otherwise: closes the window.
    void OnCancel() override;
    void OnStart();

    DECLARE_MESSAGE_MAP()

private:
    void SetBindings(bool bBind);

    CWnd m_volume, m_tracks, m_currentTrack, m_freeSectors, m_currentDir, m_currentDevice;
    CWnd m_action, m_subAction;
    CWnd m_percentage, m_bufferPercentage, m_log;
    CButton m_start;
    CStaticTextSink m_actionSink{ m_action };
    CStaticTextSink m_subActionSink{ m_subAction };
    bool m_bRecording = false;
};
