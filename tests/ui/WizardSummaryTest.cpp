// The wizard's texts and the network maximum, with a text source that answers each key with itself.
#include <gtest/gtest.h>

#include "l10n/TextSource.h"
#include "ui/WizardSummary.h"

#include <climits>

using namespace vespera;

namespace {

class KeyTexts : public TextSource {
public:
    QString lookupText(const QString& key) const override { return '<' + key + '>'; }
};

} // namespace

TEST(WizardSummary, NetScaleMaximumIsOneAndAHalfRoundedHalfToEven) {
    const struct {
        int threshold;
        int maximum;
    } cases[] = {{3, 4}, {5, 8}, {4, 6}, {1, 2}, {0, 0}, {-7, 0}, {INT_MAX, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(WizardSummary::netScaleMaximum(c.threshold), c.maximum) << c.threshold;
}

// The execution dates belong to the time event; the mouse-and-keyboard event has a threshold line too.
TEST(WizardSummary, SummaryLinesByEvent) {
    const KeyTexts texts;
    const WizardSummary summary(texts);
    const struct {
        WizardEvent event;
        const char* threshold;
        bool dates;
    } cases[] = {{WizardEvent::Processor, "<IDS_15>12%\r\n", false},
                 {WizardEvent::Network, "<IDS_15>3kb/s\r\n(eth0)\r\n", false},
                 {WizardEvent::Time, "<IDS_15><IDS_12>7:5:0\r\n<IDS_2><IDS_3><IDS_9>\r\n", true},
                 {WizardEvent::Program, "<IDS_15>1%\r\n()\r\n", false},
                 {WizardEvent::Input, "<IDS_15><IDS_27>\r\n", false}};
    for (const auto& c : cases) {
        WizardChoice choice;
        choice.event = c.event;
        choice.cpuThreshold = 12;
        choice.netThreshold = 3;
        choice.interfaceText = "eth0";
        choice.schedule = {true, 7, 5, 0, 1, {true, false, false, false, false, false, true}};
        choice.switches = {true, false, true, false, true};
        const QString text = summary.summary(choice, {"a", "b", "c", "d", "e"});
        EXPECT_TRUE(text.contains(c.threshold)) << text.toStdString();
        EXPECT_EQ(text.contains("<IDS_16>"), c.dates) << text.toStdString();
        EXPECT_TRUE(text.endsWith("a<IDS_19>\r\nb<IDS_20>\r\nc<IDS_19>\r\nd<IDS_20>\r\ne<IDS_19>"));
    }
}
