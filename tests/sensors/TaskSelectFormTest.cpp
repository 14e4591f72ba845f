// The task selection dialog, offscreen, over processes and windows the test makes up.
#include <gtest/gtest.h>

#include "l10n/StandardMessageBox.h"
#include "platform/ProcessSource.h"
#include "platform/WindowSource.h"
#include "sensors/ProcessManager.h"
#include "sensors/fTaskSelect.h"
#include "ui/FileOpenDialog.h"
#include "ui/TSplashScreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <map>

using namespace vespera;

namespace {

struct MadeUpProcesses : ProcessSource {
    std::map<std::uint32_t, QString> paths;
    bool listProcessIds(std::vector<std::uint32_t>& ids) override {
        ids.clear();
        for (const auto& entry : paths)
            ids.push_back(entry.first);
        return true;
    }
    bool readProcess(std::uint32_t id, ProcessStat& out) override {
        out = ProcessStat{id, "p", 1, 0, 0};
        return paths.count(id) > 0;
    }
    QString imagePath(std::uint32_t id) override { return paths.count(id) ? paths[id] : QString(); }
    std::uint32_t tickCount() override { return 0; }
};

struct MadeUpWindows : WindowSource {
    std::vector<TWindowObject> windows;
    bool listWindows(std::vector<TWindowObject>& out) override {
        out = windows;
        return true;
    }
};

TWindowObject window(std::uint32_t handle, const char* caption, std::uint32_t pid) {
    TWindowObject w;
    w.handle = handle;
    w.caption = QString::fromUtf8(caption);
    w.processId = pid;
    w.visible = true;
    return w;
}

class TaskSelectFormTest : public ::testing::Test {
protected:
    TSplashScreen host{ProductIdentity{}, 1};
    MadeUpProcesses processes;
    MadeUpWindows windows;
    TProcessManager manager{processes};
    TTaskSelectForm form{{&manager, &processes, &windows, &host.dispatcher(), &host.messageBoxes()}};

    template <typename W> W* child(const char* name) { return form.findChild<W*>(QString::fromLatin1(name)); }
    QStringList entries() {
        QStringList items;
        for (int i = 0; i < child<QComboBox>("ProcessCombobox")->count(); ++i)
            items << child<QComboBox>("ProcessCombobox")->itemText(i);
        return items;
    }
    void showWith(const QString& process, int percent) {
        form.setChoice(process, percent);
        form.show();
        QTest::qWait(600); // the list is built on the first tick of the dialog's timer
    }
    void pick(int index) {
        child<QComboBox>("ProcessCombobox")->setCurrentIndex(index);
        Q_EMIT child<QComboBox>("ProcessCombobox")->activated(index);
    }
};

} // namespace

TEST_F(TaskSelectFormTest, ProgramListDropsDuplicatesSelectsTheSecondEntryAndSkipsUnknownPaths) {
    processes.paths = {{10, "/usr/bin/editor"}, {20, "/opt/Viewer/viewer"}};
    windows.windows = {window(1, "Text", 10), window(2, "Text", 10), window(3, "Bild", 20),
                       window(4, "Fremd", 30)};
    showWith("/usr/bin/old", 1);
    EXPECT_EQ(entries(), QStringList({"Bild -> /opt/Viewer/viewer", "Fremd -> ", "Text -> /usr/bin/editor"}));
    EXPECT_EQ(child<QComboBox>("ProcessCombobox")->currentIndex(), 1);

    pick(1); // its process has no known path
    EXPECT_EQ(child<QLineEdit>("SelectedProcessEdit")->text(), "/usr/bin/old");
    pick(2);
    EXPECT_EQ(child<QLineEdit>("SelectedProcessEdit")->text(), "/usr/bin/editor");

    child<QRadioButton>("RBProcess")->click();
    EXPECT_EQ(entries(), QStringList({"/opt/Viewer/viewer", "/usr/bin/editor"}));
    pick(0);
    EXPECT_EQ(child<QLineEdit>("SelectedProcessEdit")->text(), "/opt/Viewer/viewer");
    EXPECT_EQ(form.openDialog().filter(), "Programme/Prozesse|*"); // programs here have no extension
    form.openDialog().setNextAnswer("/home/u/job");
    child<QPushButton>("Openbtn")->click();
    form.accept();
    EXPECT_EQ(form.process(), "/home/u/job");
}

TEST_F(TaskSelectFormTest, PercentFieldTakesOneToHundredOnly) {
    const struct {
        const char* typed;
        bool refused;
        int kept; // the value the field, the slider and the dialog keep
    } cases[] = {{"101", true, 40},         {"", true, 40},   {"0", false, 1}, {"x", true, 40},
                 {"99999999999", true, 40}, {"75", false, 75}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        showWith("/usr/bin/editor", 40);
        if (c.refused)
            host.messageBoxes().setNextAnswer(QMessageBox::Ok);
        child<QLineEdit>("PercentEdit")->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(child<QLineEdit>("PercentEdit")->text(), QString::number(c.kept));
        EXPECT_EQ(child<QSlider>("TrackBar1")->value(), c.kept);
        EXPECT_EQ(form.processpercent(), c.kept);
        form.reject();
    }
}

TEST(TaskSelectFormRemoveDuplicates, SortsIgnoringCaseAndKeepsOneOfEach) {
    QStringList list{"b", "B", "a"};
    TTaskSelectForm::RemoveDuplicates(list);
    EXPECT_EQ(list.join(',').toLower(), "a,b");
}
