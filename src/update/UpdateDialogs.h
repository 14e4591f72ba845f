#pragma once

#include <QString>

namespace vespera {

// The message boxes of an update check and the opening of an address; a window answers them, tests
// script them.
class UpdateDialogs {
public:
    enum class Kind { Information, Error };

    virtual ~UpdateDialogs() = default;
    // Sounds the kind's beep and shows the text with an OK button.
    virtual void inform(Kind kind, const QString& caption, const QString& text) = 0;
    // Asks with Yes and No; true for Yes.
    virtual bool ask(const QString& caption, const QString& text) = 0;
    // Opens an address with the desktop's default handler.
    virtual void openAddress(const QString& address) = 0;
};

} // namespace vespera
