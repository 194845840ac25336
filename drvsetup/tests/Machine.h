// The test machine as the installer's tests see it: the simulated machine's
// fixtures, the RegisteredCDR list as the tests seed and read it back, and
// the machine of one Install or Uninstall scenario.
#pragma once

#include "SimulatedMachine.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

// The RegisteredCDR list: entry name -> Identifier.
using Entries = std::map<std::string, std::string>;
extern const std::string kListPath;

// Creates the list key with these entries.
void SeedEntries(const Entries& entries);
// Every entry of the list; each value must be a REG_SZ of the text and one NUL.
Entries StoredEntries();

// A driver image with every byte value, line ends and NULs included, so
// that a copy that is not byte for byte shows.
std::string StockImage();

// The machine of one scenario: the Cdrom service and its key, the prefix's
// driver directory with the stock image, and the installer's directory as
// the current directory.
class InstallMachine : public ::testing::Test {
protected:
    InstallMachine() : m_installDir("install-dir"), m_inside(m_installDir.Path()) {}

    ScopedCdromService m_service;
    ScopedDriverDirectory m_drivers;
    TempDir m_installDir;
    ScopedCurrentDirectory m_inside;
};
