#include "OwnModule.h"

#include <dlfcn.h>
#include <limits.h>
#include <string>
#include <unistd.h>

namespace {

std::string besideProgram(const char* path)
{
    char program[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
    if (n <= 0)
        return {};
    std::string folder(program, std::size_t(n));
    folder.erase(folder.rfind('/') + 1);
    return folder + path;
}

} // namespace

void* ownModuleEntry(const char* built, const char* installedFromProgram, const char* entry)
{
    for (const std::string& path : {std::string(built), besideProgram(installedFromProgram)})
        if (void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            if (void* found = dlsym(library, entry))
                return found;
    return nullptr;
}
