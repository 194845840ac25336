// The README's C++ front end, bound to real controls for the lifetime of its
// bindings object.
#include "front_end_check.h"
// The example is a whole file, compiled here as the README shows it.
#include "frontend_binding.cpp" // NOLINT(bugprone-suspicious-include)

int main()
{
    const HWND host = CreateHost();
    const HWND volume = CreateChild(host, "STATIC");
    const HWND action = CreateChild(host, "STATIC");
    const HWND log = CreateChild(host, "LISTBOX");
    {
        const CRecorderBindings bindings(volume, action, log);
        CHECK(mf_GetVolumeStatusControl() != nullptr);
        DisplayStatus("Disc 1", ST_VOLUME);
        CHECK_TEXT(volume, "Ferl 4.0 -  Disc 1");
        DisplayStatus("Writing track 1", ST_ACTION);
        CHECK_TEXT(action, "Writing track 1");
        TemporaryLine("Track 1: 50%");
        WriteLine("Track 1 written.");
        CHECK_LINES(log, "Track 1 written.");
    }
    CHECK(mf_GetVolumeStatusControl() == nullptr);
    CHECK(mf_GetActionStatusControl() == nullptr);
    CHECK(mf_GetWriteLineControl() == nullptr);
    CHECK(mf_GetTemporaryLineControl() == nullptr);

    DestroyWindow(host);
    printf("%d failures\n", failures);
    return failures != 0;
}
