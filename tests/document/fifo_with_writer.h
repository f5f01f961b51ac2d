#pragma once

// A named pipe with a writer waiting at the other end. A reader that opens it
// gets the writer's bytes instead of blocking, so a test of code that must
// never open a pipe fails by what that code read rather than by hanging.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumikan::test {

class FifoWithWriter {
public:
    FifoWithWriter(const QString& path, QByteArray bytes)
        : name_(QFile::encodeName(path)), made_(::mkfifo(name_.constData(), 0600) == 0)
    {
        if (!made_)
            return;
        // A reader that closes early must not end the test program.
        std::signal(SIGPIPE, SIG_IGN);
        writer_ = std::thread([this, bytes] {
            const int fd = ::open(name_.constData(), O_WRONLY | O_CLOEXEC);
            if (fd < 0)
                return;
            [[maybe_unused]] const ssize_t ignored = ::write(fd, bytes.constData(), bytes.size());
            ::close(fd);
        });
    }
    ~FifoWithWriter()
    {
        if (!made_)
            return;
        // Opening the reading end lets a writer that nobody met go on.
        const int fd = ::open(name_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        writer_.join();
        if (fd >= 0)
            ::close(fd);
        ::unlink(name_.constData());
    }
    FifoWithWriter(const FifoWithWriter&) = delete;
    FifoWithWriter& operator=(const FifoWithWriter&) = delete;

    bool made() const { return made_; }

private:
    QByteArray name_;
    bool made_ = false;
    std::thread writer_;
};

}  // namespace lumikan::test
