/* The README's C front end, bound to real controls: the bridge reads the
 * window handles from its CWnd structs and calls its C sink. */
#include "front_end_check.h"
/* The example is a whole file, compiled here as the README shows it. */
#include "frontend_binding.c" /* NOLINT(bugprone-suspicious-include) */

#include <stddef.h>

int main(void)
{
    const HWND host = CreateHost();
    const HWND volume = CreateChild(host, "STATIC");
    const HWND action = CreateChild(host, "STATIC");
    const HWND log = CreateChild(host, "LISTBOX");

    /* The layout that the bridge reads. */
    CHECK(offsetof(CWnd, m_hWnd) == sizeof(void*));
    CHECK(offsetof(ActionField, sink) == 0);

    BindRecorderWindow(volume, action, log);
    CHECK(mf_GetVolumeStatusControl() == &volumeField);
    CHECK(mf_GetActionStatusControl() == &actionField.sink);
    CHECK(mf_GetWriteLineControl() == &logList);

    DisplayStatus("Disc 1", ST_VOLUME);
    CHECK_TEXT(volume, "Ferl 4.0 -  Disc 1");
    DisplayStatus("Writing track 1", ST_ACTION);
    CHECK_TEXT(action, "Writing track 1");
    DisplayStatus(NULL, ST_ACTION);
    CHECK_TEXT(action, "");
    WriteLine("Track 1 written.");
    TemporaryLine("Track 2: 10%");
    TemporaryLine("Track 2: 20%");
    CHECK_LINES(log, "Track 1 written.|Track 2: 20%");
    SetUserInterrupt();
    CHECK(GetUserInterrupt() == 1);
    CHECK(ClearUserInterrupt() == 1);
    CHECK_LINES(log, "Track 1 written.|Operation interrupted by the user.");

    UnbindRecorderWindow();
    CHECK(mf_GetVolumeStatusControl() == NULL);
    CHECK(mf_GetActionStatusControl() == NULL);
    DisplayStatus("Disc 2", ST_VOLUME);
    CHECK_TEXT(volume, "Ferl 4.0 -  Disc 1");

    DestroyWindow(host);
    printf("%d failures\n", failures);
    return failures != 0;
}
