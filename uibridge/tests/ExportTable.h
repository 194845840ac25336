// The bridge's export table: names, ordinals and the bytes of arguments each
// export takes.
#pragma once

struct ExportEntry {
    int ordinal;
    const char* name;
    int argumentBytes;
};

constexpr ExportEntry kExportTable[] = {
    { 1, "DisplayBufferPercentage", 4 },
    { 2, "DisplayPercentage", 4 },
    { 3, "DisplayStatus", 8 },
    { 4, "GetText", 16 },
    { 5, "ClearUserInterrupt", 0 },
    { 6, "GetUserInterrupt", 0 },
    { 7, "SetUserInterrupt", 0 },
    { 8, "GetValue", 24 },
    { 9, "MessageDialog", 16 },
    { 10, "QuestionDialog", 16 },
    { 11, "TemporaryLine", 4 },
    { 12, "WriteLine", 4 },
    { 31, "mf_GetActionStatusControl", 0 },
    { 32, "mf_SetActionStatusControl", 4 },
    { 33, "mf_GetCurrentDeviceStatusControl", 0 },
    { 34, "mf_SetCurrentDeviceStatusControl", 4 },
    { 35, "mf_GetCurrentDirStatusControl", 0 },
    { 36, "mf_SetCurrentDirStatusControl", 4 },
    { 37, "mf_GetCurrentTrackStatusControl", 0 },
    { 38, "mf_SetCurrentTrackStatusControl", 4 },
    { 39, "mf_GetFreeSectorsStatusControl", 0 },
    { 40, "mf_SetFreeSectorsStatusControl", 4 },
    { 41, "mf_GetSubActionStatusControl", 0 },
    { 42, "mf_SetSubActionStatusControl", 4 },
    { 43, "mf_GetTracksStatusControl", 0 },
    { 44, "mf_SetTracksStatusControl", 4 },
    { 45, "mf_GetVolumeStatusControl", 0 },
    { 46, "mf_SetVolumeStatusControl", 4 },
    { 61, "mf_GetPercentageControl", 0 },
    { 62, "mf_SetPercentageControl", 4 },
    { 63, "mf_GetBufferPercentageControl", 0 },
    { 64, "mf_SetBufferPercentageControl", 4 },
    { 71, "mf_GetWriteLineControl", 0 },
    { 72, "mf_SetWriteLineControl", 4 },
    { 73, "mf_GetTemporaryLineControl", 0 },
    { 74, "mf_SetTemporaryLineControl", 4 },
};

// The table has 74 ordinals; those without an entry above carry nothing.
constexpr int kLastOrdinal = 74;
