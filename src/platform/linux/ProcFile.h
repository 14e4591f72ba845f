#pragma once

#include <QByteArray>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vespera {

// A small file below the proc folder, read whole again and again. It stays open between readings:
// reading a proc file again from its start makes the kernel render it afresh, and opening it (a path
// walk through the proc folder) costs as much as the reading itself. A steady-state reading allocates
// nothing: the text goes into a retained buffer that starts at `initialSize`, grows in steps of
// `growth` bytes up to `limit` and never shrinks.
//
// A file the kernel renders as one piece ("stat", "loadavg", "PID/stat") is whole after a reading that
// leaves room in the buffer; one rendered line by line ("net/dev") may stop short of a page and is read
// on until the end.
class ProcFile {
public:
    enum class Rendered { WholeAtOnce, LineByLine };

    ProcFile(QByteArray path, std::size_t initialSize, std::size_t growth, std::size_t limit,
             Rendered rendered);
    ~ProcFile();
    ProcFile(const ProcFile&) = delete;
    ProcFile& operator=(const ProcFile&) = delete;
    ProcFile(ProcFile&& other) noexcept;
    ProcFile& operator=(ProcFile&& other) noexcept;

    // The whole text, valid until the next reading; nothing when the file cannot be opened or read or
    // outgrows the limit. After a failure the file is opened afresh at the next reading.
    std::optional<std::string_view> read();

    std::size_t bufferSize() const { return buffer_.size(); }

private:
    void close();

    QByteArray path_;
    std::size_t growth_;
    std::size_t limit_;
    Rendered rendered_;
    int fd_ = -1;
    std::vector<char> buffer_;
};

} // namespace vespera
