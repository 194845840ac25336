// The Cdrom service: the CD-ROM class driver registered as a kernel driver
// that the system starts at boot.
#pragma once

// An existing service gets system start and the display name "Cdrom" and
// keeps its image path and error control; a missing one is created with
// every field, pszImagePath as its image. 1 when the service exists
// afterwards with system start. The service is neither started nor stopped.
int ConfigureCdromService(const char* pszImagePath);
