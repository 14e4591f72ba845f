#pragma once

#include <QProcessEnvironment>

#include <memory>

namespace vespera {

// The physical state of the keyboard, whichever program has the keyboard focus.
class PhysicalKeyState {
public:
    virtual ~PhysicalKeyState() = default;
    // Whether the state can be read here at all. Where it cannot (no display, or a display server that
    // keeps the keyboard to the focused program), no key is ever reported as down.
    virtual bool available() const = 0;
    // The Esc key is held down at this moment.
    virtual bool escapeDown() = 0;
};

// The key state of this system, read on the display the environment names.
std::unique_ptr<PhysicalKeyState>
createPhysicalKeyState(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace vespera
