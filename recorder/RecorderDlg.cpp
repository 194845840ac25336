// CRecorderDlg: binding the controls to the bridge, Start and Cancel.
#include "RecorderDlg.h"

#include "RecordingSession.h"
#include "resource.h"
#include "uibridge.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CRecorderDlg, CDialog)
    ON_BN_CLICKED(IDC_START, OnStart)
END_MESSAGE_MAP()

CRecorderDlg::CRecorderDlg()
    : CDialog(IDD_RECORDER)
{
}

void CRecorderDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_VOLUME, m_volume);
    DDX_Control(pDX, IDC_TRACKS, m_tracks);
    DDX_Control(pDX, IDC_CURRENT_TRACK, m_currentTrack);
    DDX_Control(pDX, IDC_FREE_SECTORS, m_freeSectors);
    DDX_Control(pDX, IDC_CURRENT_DIR, m_currentDir);
    DDX_Control(pDX, IDC_CURRENT_DEVICE, m_currentDevice);
    DDX_Control(pDX, IDC_ACTION, m_action);
    DDX_Control(pDX, IDC_SUBACTION, m_subAction);
    DDX_Control(pDX, IDC_PERCENTAGE, m_percentage);
    DDX_Control(pDX, IDC_BUFFER_PERCENTAGE, m_bufferPercentage);
    DDX_Control(pDX, IDC_LOG, m_log);
    DDX_Control(pDX, IDC_START, m_start);
}

BOOL CRecorderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    BindControls();
    m_actionSink.ShowStatusText("Ready");
    return TRUE;
}

void CRecorderDlg::BindControls()
{
    mf_SetVolumeStatusControl(&m_volume);
    mf_SetTracksStatusControl(&m_tracks);
    mf_SetCurrentTrackStatusControl(&m_currentTrack);
    mf_SetFreeSectorsStatusControl(&m_freeSectors);
    mf_SetCurrentDirStatusControl(&m_currentDir);
    mf_SetCurrentDeviceStatusControl(&m_currentDevice);
    mf_SetActionStatusControl(&m_actionSink);
    mf_SetSubActionStatusControl(&m_subActionSink);
    mf_SetPercentageControl(&m_percentage);
    mf_SetBufferPercentageControl(&m_bufferPercentage);
    // One log for both kinds of line: a temporary line gives way to the next
    // line of either kind.
    mf_SetWriteLineControl(&m_log);
    mf_SetTemporaryLineControl(&m_log);
}

// The bridge does not notice a control going away: every slot is emptied
// while the controls still exist.
void CRecorderDlg::UnbindControls()
{
    mf_SetVolumeStatusControl(nullptr);
    mf_SetTracksStatusControl(nullptr);
    mf_SetCurrentTrackStatusControl(nullptr);
    mf_SetFreeSectorsStatusControl(nullptr);
    mf_SetCurrentDirStatusControl(nullptr);
    mf_SetCurrentDeviceStatusControl(nullptr);
    mf_SetActionStatusControl(nullptr);
    mf_SetSubActionStatusControl(nullptr);
    mf_SetPercentageControl(nullptr);
    mf_SetBufferPercentageControl(nullptr);
    mf_SetWriteLineControl(nullptr);
    mf_SetTemporaryLineControl(nullptr);
}

void CRecorderDlg::OnStart()
{
    if (m_bRecording)
        return;
    m_bRecording = true;
    m_start.EnableWindow(FALSE);
    m_subActionSink.ClearStatusText();
    // The session pumps this window's messages; Cancel arrives through them.
    PlayRecordingSession();
    m_bRecording = false;
    m_start.EnableWindow(TRUE);
}

void CRecorderDlg::OnCancel()
{
    if (m_bRecording) {
        SetUserInterrupt();
        return;
    }
    UnbindControls();
    CDialog::OnCancel();
}
