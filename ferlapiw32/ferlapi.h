// The message catalogue of the recording engine library, as its callers see it.
#pragma once

extern "C" {

// Writes the catalogue text of (group, id) into pszBuffer, always
// NUL-terminated, the empty text when the catalogue has none. The buffer must
// hold 32 bytes for group 3 and 128 bytes for group 5; nReserved is 0.
// Returns the length of the text written.
int __cdecl ps_gmsg_get_string(char* pszBuffer, int nReserved, int nGroup, int nId);

}
