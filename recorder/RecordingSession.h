// The scripted recording session that the sample front end plays through the
// bridge, as the recording engine would.
#pragma once

// Plays a session of a few seconds: volume, device, directory and tracks,
// three tracks written with both progress bars and the log, and a poll for
// the user's interrupt between steps. Returns false when the user
// interrupted it; the bridge has then logged the interrupt message.
bool PlayRecordingSession();
