#include "TestSupport.h"
#include "platform/BinaryIO.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zr;
using namespace zr::test;

// A full disk must fail the save, keep the old file and leave no temporary behind,
// whether the new content is small (once held back in a buffer until the rename) or
// large.
TEST(AtomicWrite, AFullDiskKeepsTheOldFileAndSaysSo)
{
    TempDir dir;
    const QString path = dir.file("user.ini");
    const QByteArray old(385, 'o');
    for (const qsizetype size : {qsizetype(400), qsizetype(64 * 1024)}) {
        writeBytes(path, old);
        QString error;
        {
            FullDiskScope full(100);
            EXPECT_FALSE(writeFileAtomically(path, QByteArray(size, 'n'), &error)) << size;
        }
        EXPECT_EQ(readBytes(path), old) << size;
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_EQ(folderEntries(dir.path()), QStringList{"user.ini"});
    }
    // The settings writer passes the failure on.
    {
        FullDiskScope full(100);
        EXPECT_FALSE(SetIniString("General", "Font", QString(300, u'x'), path));
    }
    EXPECT_EQ(readBytes(path), old);
}

TEST(AtomicWrite, ReplacesTheFileKeepingItsPermissionsAndNotFollowingLinks)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    writeBytes(path, "old");
    ::chmod(QFile::encodeName(path).constData(), 0640);
    QString error;
    ASSERT_TRUE(writeFileAtomically(path, "new", &error)) << error.toStdString();
    EXPECT_EQ(readBytes(path), QByteArray("new"));
    struct stat st;
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A link in the file's place is replaced; what it points at is not written.
    writeBytes(dir.file("elsewhere"), "keep");
    QFile::remove(path);
    QFile::link(dir.file("elsewhere"), path);
    ASSERT_TRUE(writeFileAtomically(path, "new", &error));
    EXPECT_EQ(readBytes(dir.file("elsewhere")), QByteArray("keep"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(folderEntries(dir.path()), QStringList({"elsewhere", "user.dat"}));
}

TEST(AtomicWrite, TemporariesAreRecognisedByTheirOwnNaming)
{
    EXPECT_TRUE(isAtomicWriteTemporary("user.dat.a1B2c3", "user.dat"));
    EXPECT_TRUE(isAtomicWriteTemporary("user.ini.ZZZZZZ", "user.ini"));
    for (const char *other : {"user.dat", "user.dat.bak", "user.dat.a1B2c", "user.dat.a1B2c34",
                              "user.dat-a1B2c3", "user.dat.a1B2c-", "xuser.dat.a1B2c3"})
        EXPECT_FALSE(isAtomicWriteTemporary(other, "user.dat")) << other;
}

// Whatever stands at the path, at most the limit plus one byte is read, and only from
// a regular file.
TEST(BoundedRead, RefusesWhatIsNotASmallRegularFile)
{
    TempDir dir;
    writeBytes(dir.file("ten"), "0123456789");
    const QString fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    QString error;
    EXPECT_EQ(readFileBounded(dir.file("ten"), 10, &error), QByteArray("0123456789"));
    const struct {
        QString path;
        qint64 limit;
    } refused[] = {
        {dir.file("ten"), 9},
        {dir.file("missing"), 100},
        {dir.path(), 100},
        {fifo, 100},
        {"/dev/zero", 100},
    };
    for (const auto &r : refused) {
        error.clear();
        EXPECT_FALSE(readFileBounded(r.path, r.limit, &error)) << r.path.toStdString();
        EXPECT_TRUE(error.contains(r.path)) << error.toStdString();
    }
}
