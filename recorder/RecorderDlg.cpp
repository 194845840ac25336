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
    SetBindings(true);
    m_actionSink.ShowStatusText("Ready");
    return TRUE;
}

// Binds every slot to its control, or empties every slot. The bridge does
// not notice a control going away: the slots are emptied while the controls
// still exist.
void CRecorderDlg::SetBindings(bool bBind)
{
    const auto window = [bBind](CWnd& control) { return bBind ? &control : nullptr; };
    const auto sink = [bBind](CStatusTextSink& s) { return bBind ? &s : nullptr; };
    mf_SetVolumeStatusControl(window(m_volume));
    mf_SetTracksStatusControl(window(m_tracks));
    mf_SetCurrentTrackStatusControl(window(m_currentTrack));
    mf_SetFreeSectorsStatusControl(window(m_freeSectors));
    mf_SetCurrentDirStatusControl(window(m_currentDir));
    mf_SetCurrentDeviceStatusControl(window(m_currentDevice));
    mf_SetActionStatusControl(sink(m_actionSink));
    mf_SetSubActionStatusControl(sink(m_subActionSink));
    mf_SetPercentageControl(window(m_percentage));
    mf_SetBufferPercentageControl(window(m_bufferPercentage));
    // One log for both kinds of line: a temporary line gives way to the next
    // line of either kind.
    mf_SetWriteLineControl(window(m_log));
    mf_SetTemporaryLineControl(window(m_log));
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
    SetBindings(false);
    CDialog::OnCancel();
}
