// The recorder configuration file reader: FerlCdr.cfg turned into the list
// of CD-R identifiers that Install records for the driver.
#pragma once

#include "framework.h"

#include <cstddef>
#include <memory>

// Where the reader's line buffer comes from; null when no memory is left.
// Passed in so that the no-memory path can be shown on a machine that has
// memory to spare.
using LineBufferSource = std::unique_ptr<char[]> (*)(size_t nSize);
std::unique_ptr<char[]> HeapLineBuffer(size_t nSize);

// Reads the file at pszPath into list: 20 empty entries prepared, the
// identifiers inserted in file order in front of them. Returns how many
// identifiers there are; 0 also after telling the user that the file could
// not be opened or read into memory. A read error raises CFileException.
int ReadRecorderConfig(CStringArray& list, const char* pszPath, LineBufferSource source = HeapLineBuffer);
