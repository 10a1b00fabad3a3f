// Resources from the executable's resource section (see the generated
// quorvel_resources.rc): ("VSHADER", id) is resource number id of type "VSHADER".
#include "platform/platform.h"

#include <windows.h>

int platformFindResource(const char* type, int id, const unsigned char** bytes, size_t* size) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!found) return 0;
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (!loaded) return 0;
    *size = SizeofResource(nullptr, found);
    *bytes = static_cast<const unsigned char*>(LockResource(loaded));
    return *bytes ? 1 : 0;
}
