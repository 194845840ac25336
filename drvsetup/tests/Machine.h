// The test machine as the installer's tests see it: the simulated machine's
// fixtures, and the RegisteredCDR list as the tests seed and read it back.
#pragma once

#include "SimulatedMachine.h"

#include <map>
#include <string>

// The RegisteredCDR list: entry name -> Identifier.
using Entries = std::map<std::string, std::string>;
extern const std::string kListPath;

// Creates the list key with these entries.
void SeedEntries(const Entries& entries);
// Every entry of the list; each value must be a REG_SZ of the text and one NUL.
Entries StoredEntries();
