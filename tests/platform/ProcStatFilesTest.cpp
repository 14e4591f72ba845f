// The kept "stat" files against this system's /proc, with child processes of the test's own.
#include <gtest/gtest.h>

#include "platform/linux/ProcStatFiles.h"

#include <QProcess>

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace vespera;

namespace {

std::ptrdiff_t openFiles() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

} // namespace

// More processes read again than files kept: each reading is its own process's, at most Capacity files
// stay open, and an ended process reads nothing even from a file kept open for it.
TEST(ProcStatFilesTest, KeptFilesReadTheirOwnProcessAndNothingOnceItEnded) {
    const std::ptrdiff_t before = openFiles();
    std::vector<std::unique_ptr<QProcess>> children;
    for (std::size_t i = 0; i < ProcStatFiles::Capacity + 2; ++i) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(QStringLiteral("/usr/bin/sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(children.back()->waitForStarted());
    }
    const std::ptrdiff_t withChildren = openFiles();
    ProcStatFiles files("/proc");
    for (int round = 0; round < 3; ++round)
        for (const auto& child : children) {
            const auto id = static_cast<std::uint32_t>(child->processId());
            const auto text = files.read(id);
            ASSERT_TRUE(text.has_value());
            EXPECT_TRUE(text->starts_with(std::to_string(id) + " (sleep)")) << *text;
        }
    EXPECT_EQ(openFiles(), withChildren + static_cast<std::ptrdiff_t>(ProcStatFiles::Capacity));
    for (const auto& child : children) {
        const auto id = static_cast<std::uint32_t>(child->processId());
        child->kill();
        child->waitForFinished();
        EXPECT_FALSE(files.read(id).has_value());
    }
    children.clear();
    EXPECT_EQ(openFiles(), before);
}
