#include "PinnedLibraries.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

void PinLoadedLibraries()
{
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name && *info->dlpi_name)
                static_cast<std::vector<std::string>*>(data)->emplace_back(info->dlpi_name);
            return 0;
        },
        &names);
    // RTLD_NOLOAD only takes another reference to a library already there;
    // RTLD_NODELETE makes the GL driver outlive the display's closing.
    for (const std::string& name : names)
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}
