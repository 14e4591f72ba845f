#include "platform/linux/RuntimeLibrary.h"

#include <dlfcn.h>

namespace vespera {

RuntimeLibrary::RuntimeLibrary(const char* fileName) : handle_(::dlopen(fileName, RTLD_LAZY | RTLD_LOCAL)) {
    if (!handle_)
        problem_ = QString::fromLocal8Bit(::dlerror());
}

void* RuntimeLibrary::entryPoint(const char* name) {
    if (!handle_)
        return nullptr;
    void* address = ::dlsym(handle_, name);
    if (!address && problem_.isEmpty())
        problem_ = QString::fromLocal8Bit(::dlerror());
    return address;
}

} // namespace vespera
