#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QTimer;

namespace vespera {

class CountdownNumeral;
class CountdownOwner;
class FormTranslator;
class GlassButton;
class LanguageDispatcher;
class PhysicalKeyState;

// The full-screen countdown of the last ten seconds: a black, partly transparent window over the whole
// screen that stays above the others, with the remaining seconds in one huge numeral and a Cancel
// button. The monitoring tick shows it, sets its number and closes it; the window only watches for
// the user's abort (Esc, the button or a click on the numeral) and then disarms the whole watch.
// It never takes the keyboard focus from the program the user works in: while it shows, it reads the
// physical state of Esc every 100 ms.
class TCountDownForm : public QWidget {
    Q_OBJECT
public:
    TCountDownForm(CountdownOwner& owner, PhysicalKeyState& keys, LanguageDispatcher& dispatcher);
    ~TCountDownForm() override;

    // Shows the window over the whole screen if it is hidden, without the focus, and starts the Esc
    // poll. Where Esc cannot be read outside the window, the window takes the focus instead.
    void showCountdown();
    // Hides the window if it shows; the Esc poll stops with it.
    void closeCountdown();
    void setNumeral(const QString& text);
    QString numeral() const;
    bool isShowing() const { return isVisible(); }

    // The abort: disarms the watch and stores it disarmed, closes the window, and leaves the status
    // line and the tray hint empty.
    void AdvGlassButton1Click();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setupWindow();
    void setupPanel();
    void setupNote();
    void setupNumeral();
    void setupTranslation(LanguageDispatcher& dispatcher);
    void coverScreen();
    void placeNumeral();
    void pollEscape();

    CountdownOwner& owner_;
    PhysicalKeyState& keys_;
    std::unique_ptr<FormTranslator> translator_;
    QTimer* escapePoll_ = nullptr;
    QWidget* Panel1 = nullptr;
    CountdownNumeral* Label1 = nullptr;
    GlassButton* AdvGlassButton1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace vespera
