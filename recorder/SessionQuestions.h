// The prompts that the sample front end shows through the bridge around a
// recording session, as an engine asks them; its tests and tour answer them.
#pragma once

namespace session {

// Before the session: go ahead (a Yes/No question), the write speed (a
// number with bounds and a default) and the new disc's volume label.
constexpr const char* kAskStart = "Write 3 tracks from C:\\Audio to the disc in FERL CDR-4 (SCSI 0, id 4)?";
constexpr const char* kAskSpeed = "Write speed, 1 to 8 times the audio speed:";
constexpr long kSlowest = 1;
constexpr long kFastest = 8;
constexpr long kDefaultSpeed = 4;
constexpr const char* kAskLabel = "Volume label of the new disc:";
constexpr const char* kDefaultLabel = "AUDIO_CD";
// A volume label holds at most 32 characters.
constexpr int kLabelSize = 33;

// After the session: information when it completed, an error when not.
constexpr const char* kWritten = "The disc has been written and its session closed.";
constexpr const char* kInterrupted = "The session was interrupted; the disc may not be usable.";

} // namespace session
