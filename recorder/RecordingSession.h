// The scripted recording session that the sample front end plays through the
// bridge, as the recording engine would.
#pragma once

// Asks whether to go ahead, the write speed and the volume label, then plays
// a session of a few seconds: volume, device, directory and tracks, three
// tracks written with both progress bars and the log, and a poll for the
// user's interrupt between steps; ends with a message on the outcome.
// Returns false when the user declined it or interrupted it (the bridge has
// then logged its interrupt message).
bool PlayRecordingSession();
