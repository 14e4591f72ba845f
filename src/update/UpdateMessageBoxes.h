#pragma once

#include "update/UpdateDialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

class QWidget;

namespace vespera {

// The update's message boxes, with the button texts of the update's own table.
class UpdateMessageBoxes : public UpdateDialogs {
public:
    // slot: the update's message text of a slot number.
    explicit UpdateMessageBoxes(std::function<QString(int)> slot);

    void inform(Kind kind, const QString& caption, const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;
    void openAddress(const QString& address) override;

    // Tests answer the next boxes through this instead of clicks (true for Yes or OK); answered boxes
    // are not shown, and their texts are kept.
    void setScriptedAnswers(QList<bool> answers) { scripted_ = std::move(answers); }
    const QStringList& answeredTexts() const { return answered_; }

private:
    bool scriptedAnswer(const QString& text, bool* answer);

    std::function<QString(int)> slot_;
    QList<bool> scripted_;
    QStringList answered_;
};

} // namespace vespera
