#include "dialogs/fCountdown.h"

#include "dialogs/CountdownNumeral.h"
#include "dialogs/CountdownOwner.h"
#include "dialogs/GlassButton.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "platform/PhysicalKeyState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace vespera {

namespace {
constexpr int PanelWidth = 417;
constexpr int PanelHeight = 505;
constexpr QRect CancelButton(167, 433, 100, 32);
constexpr qreal Opacity = 200.0 / 255.0;
constexpr int EscapePollInterval = 100; // ms

void paintBlack(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
} // namespace

TCountDownForm::TCountDownForm(CountdownOwner& owner, PhysicalKeyState& keys, LanguageDispatcher& dispatcher)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner),
      keys_(keys) {
    setupWindow();
    setupPanel();
    setupNote();
    setupNumeral();
    setupTranslation(dispatcher);
    coverScreen();
}

TCountDownForm::~TCountDownForm() = default;

void TCountDownForm::setupWindow() {
    setObjectName(QStringLiteral("TCountDownForm"));
    setWindowTitle(QStringLiteral("Vespera"));
    // Shown without the focus, so keys keep going to the program the user works in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Hiding it is never the program's end, also when the main window sits in the notification area.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowOpacity(Opacity);
    paintBlack(*this);
    escapePoll_ = new QTimer(this);
    escapePoll_->setObjectName(QStringLiteral("EscapePoll"));
    escapePoll_->setInterval(EscapePollInterval);
    escapePoll_->setTimerType(Qt::PreciseTimer);
    connect(escapePoll_, &QTimer::timeout, this, &TCountDownForm::pollEscape);
}

void TCountDownForm::setupPanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->resize(PanelWidth, PanelHeight);
    paintBlack(*Panel1);
    AdvGlassButton1 = new GlassButton(Panel1);
    AdvGlassButton1->setObjectName(QStringLiteral("AdvGlassButton1"));
    AdvGlassButton1->setGeometry(CancelButton);
    AdvGlassButton1->setText(QStringLiteral("Abbrechen"));
    connect(AdvGlassButton1, &GlassButton::clicked, this, &TCountDownForm::AdvGlassButton1Click);
}

// Under the button, where Esc can only be read while the window has the focus.
void TCountDownForm::setupNote() {
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(0, CancelButton.bottom() + 8, PanelWidth, PanelHeight - CancelButton.bottom() - 8);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setStyleSheet(QStringLiteral("color: white"));
    Label2->setVisible(!keys_.available());
}

// The numeral is the window's child, not the panel's: "10" is wider than the panel.
void TCountDownForm::setupNumeral() {
    Label1 = new CountdownNumeral(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont face = Label1->font();
    face.setFamily(QStringLiteral("Microsoft Sans Serif"));
    Label1->setFont(face);
    connect(Label1, &CountdownNumeral::clicked, this, &TCountDownForm::AdvGlassButton1Click);
}

void TCountDownForm::setupTranslation(LanguageDispatcher& dispatcher) {
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TCountDownForm")));
    translator_->translateForm();
    dispatcher.link(*translator_);
}

// The whole screen from its origin, whatever the work area leaves out.
void TCountDownForm::coverScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void TCountDownForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Panel1->move((width() - PanelWidth) / 2, (height() - PanelHeight) / 2);
    placeNumeral();
}

// Above the Cancel button, centred on the panel and as wide as the digits need.
void TCountDownForm::placeNumeral() {
    const int numeralWidth = std::max(PanelWidth, Label1->textWidth());
    Label1->setGeometry(Panel1->x() + (PanelWidth - numeralWidth) / 2, Panel1->y(), numeralWidth,
                        CancelButton.top());
    Label1->raise();
}

void TCountDownForm::setNumeral(const QString& text) {
    Label1->setText(text);
    placeNumeral();
}

QString TCountDownForm::numeral() const {
    return Label1->text();
}

void TCountDownForm::showCountdown() {
    if (isVisible())
        return;
    coverScreen();
    show();
    raise();
    if (keys_.available())
        escapePoll_->start();
    else
        activateWindow();
}

// A closed countdown gives back its native window and the full-screen picture behind it (megabytes on
// a large screen), which it would otherwise hold all day; the next countdown makes them again. That
// waits for the event loop: the close may come from within an event of that very window.
void TCountDownForm::closeCountdown() {
    if (!isVisible())
        return;
    hide();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible())
                destroy();
        },
        Qt::QueuedConnection);
}

void TCountDownForm::hideEvent(QHideEvent* event) {
    escapePoll_->stop();
    QWidget::hideEvent(event);
}

// Each poll also raises the window again: a window manager that keeps a window shown without the
// focus below the focused one, or stacks a later window above it, cannot bury the countdown.
void TCountDownForm::pollEscape() {
    if (keys_.escapeDown())
        AdvGlassButton1Click();
    else
        raise();
}

void TCountDownForm::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat())
        AdvGlassButton1Click();
    else
        QWidget::keyReleaseEvent(event);
}

// The arm check box's own handler already stores the watch as disarmed; the steps after it make sure
// of it whatever state the watch was in, and leave both texts empty until the watch is armed again.
void TCountDownForm::AdvGlassButton1Click() {
    owner_.disarm();
    owner_.ScharfStatus();
    owner_.stopTick();
    closeCountdown();
    owner_.setStatusLine(QString());
    owner_.setTrayHint(QString());
}

} // namespace vespera
