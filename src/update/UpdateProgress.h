#pragma once

#include <QString>

namespace vespera {

// The progress window of the downloads.
class UpdateProgress {
public:
    virtual ~UpdateProgress() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    // The status line, the current file line and the source line.
    virtual void setLines(const QString& status, const QString& file, const QString& source) = 0;
    // The bar (0 to 100 for the current file) and the status field under it.
    virtual void setPosition(int percent, const QString& detail) = 0;
    // Lets the window handle what the user did; true when the cancel button was pressed since the
    // last call.
    virtual bool cancelRequested() = 0;
};

} // namespace vespera
