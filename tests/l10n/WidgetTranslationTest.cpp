#include <gtest/gtest.h>

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/LanguageMenu.h"
#include "l10n/Languages.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

#include "TestFormTable.h"

using namespace vespera;

namespace {

// A small window whose children carry the main window's names.
class TTestForm : public QWidget {
    Q_OBJECT
public:
    TTestForm() {
        setWindowTitle(QStringLiteral("Testfenster"));
        auto* group = add<QGroupBox>("GroupBox1", this);
        group->setTitle(QStringLiteral("Shutdown nach "));
        add<QCheckBox>("CheckBox2", group)->setText(QStringLiteral("Aktivieren"));
        add<QCheckBox>("FullScreenchk", group)->setText(QStringLiteral("Fullscreen Countdown"));
        add<QCheckBox>("ProzCheckBox", group)->setText(QStringLiteral("Prozessorauslastung unter:"));
        add<QLabel>("Label8", group)->setText(QStringLiteral("Skala"));
        add<QPushButton>("Button4", group)->setText(QStringLiteral("Setzen"));
        add<QComboBox>("ComboBox1", group)
            ->addItems({QStringLiteral("10 Sekunden"), QStringLiteral("30 Sekunden")});
        add<QComboBox>("cbbmonthday", this)
            ->addItems({QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3. Tag")});
        add<QLineEdit>("Edit1", group)->setToolTip(QStringLiteral("Schwelle"));
        add<QLineEdit>("Edit2", this)->setText(QStringLiteral("Wert"));
        add<QPlainTextEdit>("Memo1", this);
        auto* radios = add<QGroupBox>("RadioGroup1", this);
        add<QRadioButton>("rbdaily", radios);
        add<QRadioButton>("rbmonthly", radios);
        buildMenus();
    }

    template <typename W> W* find(const char* name) const { return findChild<W*>(QString::fromLatin1(name)); }

private:
    template <typename W> W* add(const char* name, QWidget* parent) {
        auto* widget = new W(parent);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }

    void buildMenus() {
        auto* bar = add<QMenuBar>("MainMenu1", this);
        QMenu* language = bar->addMenu(QStringLiteral("Sprache"));
        language->setObjectName(QStringLiteral("Sprache1"));
        language->addAction(QStringLiteral("Deutsch"))->setObjectName(QStringLiteral("Deutsch1"));
        language->addAction(QStringLiteral("Englisch"))->setObjectName(QStringLiteral("Englisch1"));
        QMenu* about = bar->addMenu(QString::fromUtf16(u"\u00DCber"));
        about->setObjectName(QStringLiteral("Ueber1"));
        about->addAction(QStringLiteral("Hilfe"))->setObjectName(QStringLiteral("Hilfe1"));
    }
};

// The caption a user sees on a part of the window, by the kind of the part.
QString shownCaption(const QObject* part) {
    if (auto* action = qobject_cast<const QAction*>(part))
        return action->text();
    if (auto* menu = qobject_cast<const QMenu*>(part))
        return menu->title();
    if (auto* group = qobject_cast<const QGroupBox*>(part))
        return group->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(part))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(part))
        return label->text();
    return qobject_cast<const QWidget*>(part)->windowTitle();
}

class WidgetTranslationTest : public ::testing::Test {
protected:
    WidgetTranslationTest()
        : translator(createFormTranslator(form, TranslationTable::fromBytes(TestFormTable),
                                          {"ComboBox1", "MainMenu1", "Edit1"})) {
        dispatcher.link(*translator);
    }

    QStringList comboItems(const char* name) const {
        QStringList items;
        const auto* combo = form.find<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

    TTestForm form;
    LanguageDispatcher dispatcher{"TSplashScreen", twoLanguageNames()};
    std::unique_ptr<FormTranslator> translator;
};

} // namespace

// Every caption of the table reaches its part of the window, whatever its kind; a caption without English
// text keeps the German one, and German again restores every German caption.
TEST_F(WidgetTranslationTest, GermanEnglishGermanShowsEveryCaptionOfTheLanguage) {
    ASSERT_EQ(translator->formClassName(), "TTestForm");
    for (const int language : {English, German}) {
        dispatcher.selectLanguage(language);
        int checked = 0;
        for (const TranslationRow& row : translator->table().rows()) {
            const QObject* part = row.key == "TTestForm" ? &form : form.findChild<QObject*>(row.key);
            if (row.section != TableSection::Captions || !part || row.key == "MainMenu1" ||
                row.key == "Edit1")
                continue;
            const QString shown = row.value(language).isEmpty() ? row.value(German) : row.value(language);
            EXPECT_EQ(shownCaption(part), shown) << row.key.toStdString() << " in " << language;
            ++checked;
        }
        EXPECT_EQ(checked, 11);
    }
}

TEST_F(WidgetTranslationTest, DoNotTranslateComponentsAndTheStartUpListsStayAsTheyAre) {
    auto* edit1 = form.find<QLineEdit>("Edit1");
    auto* combo = form.find<QComboBox>("ComboBox1");
    combo->setCurrentIndex(1);
    QSignalSpy changes(combo, &QComboBox::currentIndexChanged);
    dispatcher.selectLanguage(English);
    EXPECT_EQ(comboItems("ComboBox1"), QStringList({"10 Sekunden", "30 Sekunden"}));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(edit1->toolTip(), "Schwelle");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(WidgetTranslationTest, HintsFontsListsAndOtherProperties) {
    auto* month = form.find<QComboBox>("cbbmonthday");
    month->setCurrentIndex(2);
    QSignalSpy changes(month, &QComboBox::currentIndexChanged);
    dispatcher.selectLanguage(English);

    EXPECT_EQ(form.find<QCheckBox>("CheckBox2")->toolTip(), "Arm\nthe watch");
    EXPECT_EQ(form.find<QCheckBox>("ProzCheckBox")->font().family(), "Tahoma");
    EXPECT_EQ(comboItems("cbbmonthday"), QStringList({"1st", "2nd", "3rd day"}));
    EXPECT_EQ(month->currentIndex(), 2);
    EXPECT_EQ(changes.count(), 0) << "replacing the list runs no handler";
    EXPECT_EQ(form.find<QPlainTextEdit>("Memo1")->toPlainText(), "Line one\nLine \"two\"");
    EXPECT_EQ(form.find<QRadioButton>("rbdaily")->text(), "daily");
    EXPECT_EQ(form.find<QLineEdit>("Edit2")->text(), "Value");

    dispatcher.selectLanguage(German);
    EXPECT_EQ(form.find<QCheckBox>("CheckBox2")->toolTip(), "Scharf\nschalten");
    EXPECT_EQ(form.find<QCheckBox>("ProzCheckBox")->font().family(), "Microsoft Sans Serif");
    EXPECT_EQ(comboItems("cbbmonthday"), QStringList({"1.", "2.", "3. Tag"}));
    EXPECT_EQ(form.find<QRadioButton>("rbdaily")->text(), QString::fromUtf16(u"t\u00E4glich"));
    EXPECT_EQ(form.find<QLineEdit>("Edit2")->text(), "Wert");
}

TEST_F(WidgetTranslationTest, LanguageMenuSwitchesChecksAndSaves) {
    auto* german = form.find<QAction>("Deutsch1");
    auto* english = form.find<QAction>("Englisch1");
    int saves = 0;
    LanguageMenu menu(*german, *english, dispatcher, [&] { ++saves; });
    menu.startUp(*form.find<QAction>("Hilfe1"));
    EXPECT_TRUE(german->isChecked());
    EXPECT_FALSE(english->isChecked());
    EXPECT_EQ(german->data().toInt(), 1);
    EXPECT_EQ(english->data().toInt(), 2);

    english->trigger();
    EXPECT_EQ(dispatcher.activeLanguage(), English);
    EXPECT_EQ(form.find<QCheckBox>("CheckBox2")->text(), "Activate");
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(german->isChecked());
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(form.find<QAction>("Hilfe1")->isVisible()) << "a switch leaves the help item alone";

    english->trigger(); // the checked item again: stays checked, saved again
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(saves, 2);

    german->trigger();
    EXPECT_EQ(form.find<QCheckBox>("CheckBox2")->text(), "Aktivieren");
    EXPECT_TRUE(german->isChecked());
    EXPECT_FALSE(english->isChecked());
}

TEST_F(WidgetTranslationTest, StartingInEnglishHidesTheHelpItem) {
    dispatcher.selectLanguage(English);
    LanguageMenu menu(*form.find<QAction>("Deutsch1"), *form.find<QAction>("Englisch1"), dispatcher, {});
    auto* help = form.find<QAction>("Hilfe1");
    menu.startUp(*help);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(form.find<QAction>("Englisch1")->isChecked());
    form.find<QAction>("Deutsch1")->trigger();
    EXPECT_FALSE(help->isVisible());
}

TEST(StandardMessageBoxTest, GermanButtonsFromTheHostTableEnglishFromQt) {
    LanguageDispatcher dispatcher("TSplashScreen", twoLanguageNames());
    QWidget host;
    auto hostTranslator = createFormTranslator(host, shippedTranslationTable("TSplashScreen"));
    dispatcher.link(*hostTranslator);
    StandardMessageBox boxes(*hostTranslator);

    auto german =
        boxes.create(nullptr, QMessageBox::Question, "Erster\r\nStart?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(german->windowTitle(), "Vespera");
    EXPECT_EQ(german->text(), "Erster\nStart?");
    EXPECT_EQ(german->icon(), QMessageBox::Question);
    EXPECT_EQ(german->button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(german->button(QMessageBox::No)->text(), "&Nein");
    EXPECT_TRUE(german->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(german->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(boxes.kindCaption(QMessageBox::Critical), "Fehler");
    EXPECT_EQ(boxes.create(nullptr, QMessageBox::Critical, "x", QMessageBox::Ok | QMessageBox::Cancel)
                  ->button(QMessageBox::Cancel)
                  ->text(),
              "Abbrechen");

    const QString qtYes =
        QMessageBox(QMessageBox::Question, "", "", QMessageBox::Yes).button(QMessageBox::Yes)->text();
    dispatcher.selectLanguage(English);
    auto english =
        boxes.create(nullptr, QMessageBox::Question, "First start?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(english->button(QMessageBox::Yes)->text(), qtYes);
    EXPECT_EQ(boxes.kindCaption(QMessageBox::Critical), "Error");
    EXPECT_EQ(boxes.kindCaption(QMessageBox::Question), "Confirm");
    EXPECT_EQ(boxes.create(nullptr, QMessageBox::Warning, "x", QMessageBox::Ok, "Fehler")->windowTitle(),
              "Fehler");
}

TEST(StandardMessageBoxTest, ATestAnswersTheNextBox) {
    QWidget host;
    auto hostTranslator = createFormTranslator(host, shippedTranslationTable("TSplashScreen"));
    StandardMessageBox boxes(*hostTranslator);
    boxes.setNextAnswer(QMessageBox::No);
    EXPECT_EQ(boxes.show(nullptr, QMessageBox::Question, "?", QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
}

#include "WidgetTranslationTest.moc"
