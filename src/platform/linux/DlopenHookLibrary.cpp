#include "platform/HookLibrary.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

namespace vespera {

namespace {

class DlopenHookLibrary : public HookLibrary {
public:
    explicit DlopenHookLibrary(void* handle) : handle_(handle) {}
    ~DlopenHookLibrary() override { dlclose(handle_); }
    DlopenHookLibrary(const DlopenHookLibrary&) = delete;
    DlopenHookLibrary& operator=(const DlopenHookLibrary&) = delete;

    void* entryPoint(const char* name) const override { return dlsym(handle_, name); }

private:
    void* handle_;
};

} // namespace

// A bare file name makes dlopen search the library path, never the program's folder: the folder is
// tried first by its full path.
std::unique_ptr<HookLibrary> loadHookLibrary(const QString& folder, const QString& fileName) {
    void* handle =
        dlopen(QFile::encodeName(QDir(folder).filePath(fileName)).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        handle = dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::make_unique<DlopenHookLibrary>(handle);
}

} // namespace vespera
