#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;

namespace vespera {

class LanguageDispatcher;

// The menu "Sprache" with its items "Deutsch" and "Englisch", which carry the language numbers 1 and 2
// as their tags. Clicking one makes it the active language of every window, sets the check marks from
// the active language and then runs afterSwitch (the window saves its settings there and rebuilds the
// texts that code builds).
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(QAction& german, QAction& english, LanguageDispatcher& dispatcher,
                 std::function<void()> afterSwitch, QObject* parent = nullptr);

    // "Englisch" checked when the active language is 2, "Deutsch" otherwise.
    void showActiveLanguage();

    // The first showing of the program: the check marks, and the help item hidden when the program
    // starts in English. Later switches leave the help item as it is.
    void startUp(QAction& help);

private:
    void select(const QAction& item);

    QPointer<QAction> german_;
    QPointer<QAction> english_;
    LanguageDispatcher& dispatcher_;
    std::function<void()> afterSwitch_;
};

} // namespace vespera
