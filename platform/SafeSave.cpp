#include "SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace SafeSave {
namespace {

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinkHops = 40;
constexpr int kNameAttempts = 16;
// The longest file name most file systems take, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

// The file a write to the path lands in, with every symbolic link followed.
std::optional<QString> ResolveLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink()) return current;
        current = info.symLinkTarget();
    }
    return std::nullopt;
}

// A temporary file beside the target, removed again unless it was moved into place.
class TempFile {
public:
    explicit TempFile(const QFileInfo& target) : m_target(target) {}
    ~TempFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_path.isEmpty()) ::unlink(m_path.constData());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Creates the file; it gets the permissions of a new file (0666 less the umask).
    bool Create() {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const QByteArray path = QFile::encodeName(CandidateName());
            m_fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_path = path;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    bool WriteAll(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            // After a short write the next one reports why (a full disk, a file size limit).
            if (n <= 0) return false;
            done += n;
        }
        return true;
    }

    // Gives the file the old file's owner, group and permission bits. The owner is kept only
    // where the system allows it (otherwise the file stays the saver's, as a new one would),
    // and set-id bits only together with it.
    bool TakeOver(const struct stat& old) {
        mode_t mode = old.st_mode & 07777;
        if (::fchown(m_fd, old.st_uid, old.st_gid) != 0) {
            mode &= ~mode_t(S_ISUID | S_ISGID);
            if (::fchown(m_fd, -1, old.st_gid) != 0) {
                // Not in that group either: the saver's group it is.
            }
        }
        // After the owner change, which clears the set-id bits.
        return ::fchmod(m_fd, mode) == 0;
    }

    // Puts every byte on disk and closes the file; the system may report a full disk only here.
    bool Finish() {
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        return synced && closed;
    }

    bool MoveOver(const QByteArray& target) {
        if (::rename(m_path.constData(), target.constData()) != 0) return false;
        m_path.clear();
        return true;
    }

private:
    QString CandidateName() const {
        const QString random =
            QString::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 16);
        QString name = QStringLiteral(".%1.%2~").arg(m_target.fileName(), random);
        if (QFile::encodeName(name).size() > kMaxNameBytes)
            name = QStringLiteral(".save-%1~").arg(random);
        return m_target.absolutePath() + QLatin1Char('/') + name;
    }

    QFileInfo m_target;
    QByteArray m_path;
    int m_fd = -1;
};

// Makes the rename itself survive a power cut; a failure here leaves a complete file either way.
void SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) != 0) {
        // Nothing to undo: the new content is complete under the target's name already.
    }
    ::close(fd);
}

}  // namespace

bool ReplaceContent(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return false;
    const std::optional<QString> resolved = ResolveLinks(path);
    if (!resolved) return false;
    const QFileInfo target(*resolved);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());

    struct stat old {};
    const bool exists = ::lstat(targetName.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && !S_ISREG(old.st_mode)) return false;
    // A file the saver may not write stays as it is, even where the folder would let a new
    // file take its place.
    if (exists && ::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0)
        return false;

    TempFile temp(target);
    if (!temp.Create() || !temp.WriteAll(bytes)) return false;
    if (exists && !temp.TakeOver(old)) return false;
    if (!temp.Finish() || !temp.MoveOver(targetName)) return false;
    SyncFolder(target.absolutePath());
    return true;
}

}  // namespace SafeSave
