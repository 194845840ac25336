// CD-R identifier registration: the numbered RegisteredCDR list under the
// Cdrom service key, recorded by Install and removed by Uninstall.
#pragma once

#include "framework.h"

// Stores the first count identifiers of list as entries "n", "n+1", ... of
// RegisteredCDR (n: the entries already there), each an Identifier REG_SZ.
// An identifier that is stored already, or was stored earlier in this run,
// is not stored again, and no existing entry is ever overwritten. 1 when the
// list key could be opened or created and its entries read (whatever became
// of single identifiers); 0 otherwise, with no entry written.
int RegisterCdrIdentifiers(const CStringArray& list, int count);

// Deletes the entries "0" to n-1 and then RegisteredCDR itself; 1 when all of
// them went. Entries deleted before a failure stay deleted.
int RemoveCdrIdentifiers();
