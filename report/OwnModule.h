#pragma once

// The entry of one of the program's own modules, loaded the first time it
// is asked for: where the module was built, then where it is installed,
// found from the program's own folder (by the running program's file, so
// that it needs no application object and no thread of its own). Null when
// neither loads; dlerror() then says why.
void* ownModuleEntry(const char* built, const char* installedFromProgram, const char* entry);
