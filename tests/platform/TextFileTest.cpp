#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

mode_t Mode(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 07777;
}

class TextFileSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_old = m_dir.filePath("script.txt");
        WriteBytes(m_old, "old\r\n");
    }

    // The save failed and the folder is exactly as before: the old file intact, no leftovers.
    void ExpectRefused(const QString& path, const QString& text) {
        const QStringList before = Entries(m_dir.path());
        EXPECT_FALSE(TextFile::WriteAnsiLine(path, text)) << path.toStdString();
        EXPECT_EQ(Entries(m_dir.path()), before) << path.toStdString();
        EXPECT_EQ(ReadBytes(m_old), "old\r\n");
    }

    QTemporaryDir m_dir;
    QString m_old;
};

TEST_F(TextFileSave, ReplacesTheWholeFileAndKeepsItsPermissions) {
    ASSERT_EQ(::chmod(QFile::encodeName(m_old).constData(), 0640), 0);
    ASSERT_TRUE(TextFile::WriteAnsiLine(m_old, QStringLiteral("中")));
    EXPECT_EQ(ReadBytes(m_old), "\xD6\xD0\r\n");
    EXPECT_EQ(Mode(m_old), 0640u);
    EXPECT_EQ(Entries(m_dir.path()), QStringList{"script.txt"});

    // A new file gets what any new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const QString fresh = m_dir.filePath("new.txt");
    ASSERT_TRUE(TextFile::WriteAnsiLine(fresh, "x"));
    EXPECT_EQ(Mode(fresh), 0666u & ~mask);
}

TEST_F(TextFileSave, KeepsOwnerAndGroupWhereAllowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
    ASSERT_EQ(::chown(QFile::encodeName(m_old).constData(), 4321, 4322), 0);
    ASSERT_TRUE(TextFile::WriteAnsiLine(m_old, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(m_old).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
}

// Runs as another user while it lives (root only).
class OtherUser {
public:
    static constexpr uid_t kUser = 65534;
    OtherUser() : m_ok(::setegid(kUser) == 0 && ::seteuid(kUser) == 0) {}
    ~OtherUser() {
        if (::seteuid(0) != 0 || ::setegid(0) != 0) std::abort();
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

// What a user other than the owner may do: not replace a file they cannot write, and not keep
// set-id bits on a file that becomes theirs.
TEST_F(TextFileSave, OwnerRightsAreKept) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    const QByteArray folder = QFile::encodeName(m_dir.path());
    ASSERT_EQ(::chmod(folder.constData(), 0777), 0);
    const QString shared = m_dir.filePath("shared.txt");
    WriteBytes(shared, "shared\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 04666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(m_old).constData(), 0644), 0);
    {
        OtherUser other;
        ASSERT_TRUE(other.ok());
        ExpectRefused(m_old, "new");
        EXPECT_TRUE(TextFile::WriteAnsiLine(shared, "new"));
    }
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(shared).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, OtherUser::kUser);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(ReadBytes(shared), "new\r\n");
}

// A save through a link replaces the file it points to and leaves the link a link.
TEST_F(TextFileSave, WritesThroughSymbolicLinks) {
    QDir(m_dir.path()).mkdir("sub");
    const QString link = m_dir.filePath("sub/link.txt");
    ASSERT_TRUE(QFile::link("../script.txt", link));
    ASSERT_TRUE(TextFile::WriteAnsiLine(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(m_old), "new\r\n");
    EXPECT_EQ(Entries(m_dir.filePath("sub")), QStringList{"link.txt"});

    // A dangling link gets its target created, as writing through it would.
    const QString dangling = m_dir.filePath("dangling.txt");
    ASSERT_TRUE(QFile::link("made.txt", dangling));
    ASSERT_TRUE(TextFile::WriteAnsiLine(dangling, "made"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(ReadBytes(m_dir.filePath("made.txt")), "made\r\n");
}

TEST_F(TextFileSave, RefusesWhatIsNoRegularFile) {
    QDir(m_dir.path()).mkdir("folder");
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_dir.filePath("pipe")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link("loop-b", m_dir.filePath("loop-a")));
    ASSERT_TRUE(QFile::link("loop-a", m_dir.filePath("loop-b")));
    for (const QString& path :
         {QString(), m_dir.filePath("no/such/folder.txt"), m_dir.filePath("folder"),
          m_dir.filePath("pipe"), m_dir.filePath("loop-a")})
        ExpectRefused(path, "new");
    EXPECT_TRUE(QFileInfo(m_dir.filePath("folder")).isDir());
}

// Every write is checked: a file size limit cuts the write short half way.
TEST_F(TextFileSave, ShortWriteKeepsTheOldFile) {
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved;
    limit.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    ExpectRefused(m_old, QString(10000, QLatin1Char('x')));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
}

// Unmounts however the test ends, before the mount point goes.
struct Unmount {
    QString path;
    ~Unmount() { QProcess::execute("umount", {path}); }
};

// A full file system, where the test may mount a small one.
TEST_F(TextFileSave, FullDiskKeepsTheOldFile) {
    QTemporaryDir mountPoint;
    if (::geteuid() != 0 || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs",
                                                        mountPoint.path()}) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    const Unmount unmount{mountPoint.path()};
    const QString old = mountPoint.filePath("script.txt");
    WriteBytes(old, "old\r\n");
    {
        // Fill the file system to the last block.
        QFile filler(mountPoint.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    EXPECT_FALSE(TextFile::WriteAnsiLine(old, QString(8000, QLatin1Char('x'))));
    EXPECT_EQ(ReadBytes(old), "old\r\n");
    EXPECT_EQ(Entries(mountPoint.path()), (QStringList{"filler", "script.txt"}));

    // With room again the same save goes through.
    QFile::remove(mountPoint.filePath("filler"));
    EXPECT_TRUE(TextFile::WriteAnsiLine(old, QString(8000, QLatin1Char('x'))));
    EXPECT_EQ(ReadBytes(old).size(), 8002);
}

TEST(TextFileOpen, ReadsRegularFilesAndCreatesAMissingOne) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("a.txt"), "\xD6\xD0\r\n");
    QDir(dir.path()).mkdir("folder");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link("nowhere.txt", dir.filePath("dangling.txt")));

    EXPECT_EQ(TextFile::OpenAnsiDocument(dir.filePath("a.txt")), QStringLiteral("中\r\n"));
    EXPECT_EQ(TextFile::OpenAnsiDocument(dir.filePath("new.txt")), QString());
    EXPECT_TRUE(QFileInfo(dir.filePath("new.txt")).isFile());
    for (const QString& path : {QString(), dir.filePath("folder"), dir.filePath("pipe"),
                                dir.filePath("dangling.txt"), dir.filePath("no/such/b.txt")})
        EXPECT_FALSE(TextFile::OpenAnsiDocument(path)) << path.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere.txt")));
}

}  // namespace
