#include <gtest/gtest.h>

#include "app/CommandLine.h"

#include <QStringList>

using namespace vespera;

TEST(CommandLine, ReadsEachOptionAndRefusesBadArguments) {
    struct Case {
        QStringList arguments;
        RemoteCommand command;
        QString action;
        int seconds;
        bool refused;
    };
    const Case cases[] = {
        {{}, RemoteCommand::None, {}, 0, false},
        {{"--status"}, RemoteCommand::Status, {}, 0, false},
        {{"--action", "reboot"}, RemoteCommand::Action, "Reboot", 0, false}, // letter case
        {{"--period", "45"}, RemoteCommand::Period, {}, 45, false},          // user-defined
        {{"--period", "3600"}, RemoteCommand::Period, {}, 3600, false},      // fixed, above the range
        {{"--period", "0"}, RemoteCommand::Period, {}, 0, false},            // at once
        {{"--period", "601"}, RemoteCommand::None, {}, 0, true},
        {{"--period", "-5"}, RemoteCommand::None, {}, 0, true},
        {{"--period", "5x"}, RemoteCommand::None, {}, 0, true},
        {{"--action", "Hibernate"}, RemoteCommand::None, {}, 0, true},
        {{"--action"}, RemoteCommand::None, {}, 0, true},          // value missing
        {{"--arm", "--disarm"}, RemoteCommand::None, {}, 0, true}, // two options
        {{"--arm", "x"}, RemoteCommand::None, {}, 0, true},        // stray value
        {{"--fly"}, RemoteCommand::None, {}, 0, true},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        const std::string where = c.arguments.join(' ').toStdString();
        EXPECT_EQ(!line.error.isEmpty(), c.refused) << where;
        EXPECT_EQ(line.command, c.command) << where;
        EXPECT_EQ(line.actionName, c.action) << where;
        if (c.command == RemoteCommand::Period) {
            EXPECT_EQ(line.periodSeconds, c.seconds) << where;
        }
    }
}
