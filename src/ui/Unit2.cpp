#include "ui/Unit2.h"

#include "app/ProductIdentity.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "platform/DesktopTools.h"
#include "ui/FormFont.h"
#include "ui/LinkLabel.h"
#include "ui/PictureLabel.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace vespera {

namespace {
constexpr int ClientWidth = 257;
constexpr int ClientHeight = 316;
constexpr int FollowSize = 24;
} // namespace

TAboutForm::TAboutForm(const ProductIdentity& identity, const DesktopTools& tools,
                       LanguageDispatcher& dispatcher, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      tools_(tools),
      translator_(createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TAboutForm")))) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("Über"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(formFont(11));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setupPicture();
    setupHeading(identity.title + QStringLiteral(" V") + identity.version);
    setupWebLink();
    setupRightsText();
    setupSocialLink();
    translator_->translateForm(); // the German texts of the table
    dispatcher.link(*translator_);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::setupPicture() {
    auto* picture = new PictureLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(0, 0, ClientWidth, ClientHeight);
    picture->setPicture(QStringLiteral(":/pictures/about.svg"));
}

void TAboutForm::setupHeading(const QString& heading) {
    Label1 = new QLabel(heading, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 154, ClientWidth, 22);
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    Label1->setFont(bold);
}

// The address shown differs by language; the one opened is the table's "IDS_1".
void TAboutForm::setupWebLink() {
    Label2 = new LinkLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(0, 180, ClientWidth, 18);
    Label2->setAlignment(Qt::AlignCenter);
    QFont plain = Label2->font();
    plain.setBold(false);
    Label2->setFont(plain);
    connect(Label2, &LinkLabel::clicked, this, [this] { tools_.openDocument(text("IDS_1")); });
}

// Shown read-only, so that it never changes; a key that would type into it closes the box instead.
void TAboutForm::setupRightsText() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(16, 210, ClientWidth - 32, 84);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setStyleSheet(QStringLiteral("background: transparent;"));
    QFont small = Memo1->font();
    small.setPixelSize(10);
    Memo1->setFont(small);
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);
    Memo1->installEventFilter(this);
}

void TAboutForm::setupSocialLink() {
    auto* follow = new LinkLabel(this);
    follow->setObjectName(QStringLiteral("Image2"));
    follow->setGeometry(ClientWidth - FollowSize - 6, ClientHeight - FollowSize - 6, FollowSize, FollowSize);
    follow->setPixmap(QIcon(QStringLiteral(":/pictures/follow.svg")).pixmap(FollowSize, FollowSize));
    connect(follow, &LinkLabel::clicked, this, [this] { tools_.openDocument(text("IDS_2")); });
}

// Clicks on the artwork and the heading reach the box itself: they close it.
void TAboutForm::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        reject();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool typing = (!shortcut && !key->text().isEmpty() && key->text().front().isPrint()) ||
                            key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Backspace ||
                            key->key() == Qt::Key_Delete || key->key() == Qt::Key_Return;
        if (typing) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TAboutForm::text(const char* key) const {
    return translator_->lookupText(QString::fromLatin1(key));
}

} // namespace vespera
