// The program's version: the version resource of zep.exe, the name of the
// release, and (written out, and kept equal by a test) the version dialog.
#pragma once

#define ZEP_VERSION_TEXT "2.15"
#define ZEP_VERSION_NUMBERS 2, 15, 0, 0
