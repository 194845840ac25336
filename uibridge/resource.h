// Resource and command ids of uibridge.dll.
#pragma once

// The standard Help command of the framework.
#define ID_HELP 0xE145
