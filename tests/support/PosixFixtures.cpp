#include "tests/support/PosixFixtures.h"

#include <QByteArray>
#include <QFile>

#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vareldo::testing {

namespace {

constexpr uid_t Nobody = 65534;

void writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written <= 0)
            return;
        done += written;
    }
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace

bool MakeNamedPipe(const QString& path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

std::optional<QString> RunWithoutPrivileges(const std::function<QString()>& work, QString& problem)
{
    if (geteuid() != 0)
        return work();

    int channel[2];
    if (pipe(channel) != 0) {
        problem = QStringLiteral("no pipe to the child process");
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child < 0) {
        problem = QStringLiteral("fork failed");
        return std::nullopt;
    }
    if (child == 0) {
        close(channel[0]);
        // A leading '!' marks a reason why the work did not run.
        if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
            writeAll(channel[1], "!the child process could not become the user nobody");
        else
            writeAll(channel[1], "+" + work().toUtf8());
        // No destructors and no exit handlers: they belong to the parent.
        _exit(0);
    }
    close(channel[1]);
    const QByteArray answer = readAll(channel[0]);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!answer.startsWith('+')) {
        problem = answer.isEmpty() ? QStringLiteral("the child process ended without an answer")
                                   : QString::fromUtf8(answer.mid(1));
        return std::nullopt;
    }
    return QString::fromUtf8(answer.mid(1));
}

} // namespace vareldo::testing
