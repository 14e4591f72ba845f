#include <gtest/gtest.h>

#include "MainFormFixture.h"
#include "platform/linux/LinuxSystemInformation.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace vespera;

namespace {

// The about box, the help command and the information panel, with a fake xdg-open.
class TAboutFormTest : public MainFormFixture {
protected:
    void SetUp() override { fakeTool("xdg-open"); }

    template <typename W> W* part(const char* name) {
        return aboutBox.findChild<W*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(TAboutFormTest, HeadingIsTheCaptionAndEscTypingAndTheArtworkClose) {
    open();
    EXPECT_EQ(part<QLabel>("Label1")->text(), form->windowTitle());
    using namespace QTest;
    const struct {
        const char* what;
        const char* target; // a part of the box, or the box itself
        std::function<void(QWidget*)> act;
        bool closes;
    } cases[] = {
        {"Esc", "", [](QWidget* w) { keyClick(w, Qt::Key_Escape); }, true},
        {"typing", "Memo1", [](QWidget* w) { keyClicks(w, "x"); }, true},
        {"erasing", "Memo1", [](QWidget* w) { keyClick(w, Qt::Key_Backspace); }, true},
        {"artwork", "Image1", [](QWidget* w) { mouseClick(w, Qt::LeftButton); }, true},
        {"copying", "Memo1", [](QWidget* w) { keyClick(w, Qt::Key_C, Qt::ControlModifier); }, false},
        {"web link", "Label2", [](QWidget* w) { mouseClick(w, Qt::LeftButton); }, false},
    };
    const QString notice = part<QPlainTextEdit>("Memo1")->toPlainText();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        aboutBox.show();
        QWidget* target = *c.target ? part<QWidget>(c.target) : &aboutBox;
        c.act(target);
        EXPECT_EQ(aboutBox.isVisible(), !c.closes);
        EXPECT_EQ(part<QPlainTextEdit>("Memo1")->toPlainText(), notice);
    }
    EXPECT_EQ(toolArguments("xdg-open"), "https://www.orbelan.example/");
}

TEST_F(TAboutFormTest, HelpOpensTheProgramFoldersHelpFileOrSaysItCannot) {
    const QString folder = root.path() + "/program folder";
    programFile = folder + "/vespera";
    open();
    QAction* help = child<QAction>("Hilfe1");
    EXPECT_EQ(messageOf([help] { help->trigger(); }),
              "Achtung! Die Hilfedatei konnte nicht gestartet werden, evtl. haben Sie keinen Webbrowser "
              "installiert!");

    ASSERT_TRUE(QDir().mkpath(folder + "/help"));
    QFile(folder + "/help/vsp-help.html").open(QIODevice::WriteOnly);
    EXPECT_EQ(messageOf([help] { help->trigger(); }), "");
    EXPECT_EQ(toolArguments("xdg-open"), folder + "/help/vsp-help.html");
}

TEST_F(TAboutFormTest, PanelShowsTheMachineWhenTheWindowIsShownAndAfterALanguageSwitch) {
    systemInformation = std::make_unique<LinuxSystemInformation>(VESPERA_TEST_DATA "/sysinfo/laptop");
    openShown("fproz=1\r\n");
    const QStringList lines = child<QLabel>("SysInfo1lbl")->text().split('\n');
    EXPECT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.value(8), "Akku Ladezustand: 57");
    EXPECT_EQ(child<QGroupBox>("GroupBox3")->height(), 137);
    child<QAction>("Englisch1")->trigger();
    EXPECT_TRUE(child<QLabel>("SysInfo1lbl")->text().startsWith("Processor: "));
}
