#pragma once

#include <QString>

#include <memory>

namespace vespera {

// A shared library loaded at run time; it is released when the object goes.
class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    // The address of an export, or null when the library has none of that name.
    virtual void* entryPoint(const char* name) const = 0;
};

// Loads a library by file name from the folder first, then through the system's search order; null when
// it loads from neither.
std::unique_ptr<HookLibrary> loadHookLibrary(const QString& folder, const QString& fileName);

} // namespace vespera
