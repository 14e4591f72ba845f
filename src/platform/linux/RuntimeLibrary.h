#pragma once

#include <QString>

namespace vespera {

// A system library opened when a feature first needs it (dlopen) rather than linked: a linked library is
// mapped at start-up and holds its memory all day. The library stays open for the rest of the run.
class RuntimeLibrary {
public:
    // fileName: the versioned name, searched on the library path.
    explicit RuntimeLibrary(const char* fileName);

    // Sets function to the entry point of that name; on failure it stays null and problem() says why.
    template <typename Function> bool bind(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(entryPoint(name));
        return function != nullptr;
    }
    // Why the library or one of its entry points is missing; empty while everything was found.
    const QString& problem() const { return problem_; }

private:
    void* entryPoint(const char* name);

    void* handle_;
    QString problem_;
};

} // namespace vespera
