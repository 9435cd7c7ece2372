// Replacing files on a failing disk: the old file stays byte for byte, or the new one is whole.
#include "device_root_fixture.h"
#include "file_fault_cases.h"
#include "hang_guard.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "small_file_system.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

const std::string kOld = "the old content, which must survive";
const std::string kNew(20000, 'n'); // more than one write's worth for a copy of 64 KiB chunks
// As small as a preferences record: a buffered writer would hold it all until its last flush.
const std::string kSmall(552, 's');

} // namespace

using FileReplacing = DeviceRootTest;

TEST_F(FileReplacing, EveryFaultLeavesTheOldFileOrTheWholeNewOne) {
    bool replaced = false;
    forEveryFileFault([&] { writeFile("keep.dat", kOld); },
                      [&] { replaced = replaceFile(u"\\keep.dat", kNew.data(), kNew.size()); },
                      [&](const FileFaultPoint& point) {
                          EXPECT_EQ(readFile("keep.dat"), replaced ? kNew : kOld);
                          EXPECT_EQ(replaced, faultIsRecoverable(point));
                          EXPECT_EQ(entries(root()), std::vector<std::string>{"keep.dat"});
                      });
}

TEST_F(FileReplacing, ACopyThatFailsLeavesTheTargetAndTheSource) {
    bool copied = false;
    forEveryFileFault(
        [&] {
            writeFile("from.zpk", kNew);
            writeFile("to.zpk", kOld);
        },
        [&] { copied = copyFile(u"\\from.zpk", u"\\to.zpk", true); },
        [&](const FileFaultPoint& point) {
            EXPECT_EQ(readFile("to.zpk"), copied ? kNew : kOld);
            EXPECT_EQ(copied, faultIsRecoverable(point));
            EXPECT_EQ(copied, sameFileContent(u"\\from.zpk", u"\\to.zpk"));
            EXPECT_EQ(readFile("from.zpk"), kNew);
            EXPECT_EQ(entries(root()), (std::vector<std::string>{"from.zpk", "to.zpk"}));
        });
}

TEST_F(FileReplacing, SeveralFilesAreReplacedAllOrNone) {
    const std::u16string paths[] = {u"\\1.bmp", u"\\2.bmp", u"\\3.bmp"};
    const std::vector<std::uint8_t> contents[] = {{'a'}, {'b', 'b'}, {'c', 'c', 'c'}};
    bool replaced = false;
    forEveryFileFault(
        [&] {
            writeFile("1.bmp", "old 1");
            writeFile("2.bmp", "old 2");
            writeFile("3.bmp", "old 3");
        },
        [&] { replaced = replaceFiles(paths, contents); },
        [&](const FileFaultPoint& point) {
            // Only a failed rename can leave a mixture; every other fault leaves all three.
            if (point.fault != FileFault::RenameFails) {
                EXPECT_EQ(readFile("1.bmp") + readFile("2.bmp") + readFile("3.bmp"),
                          replaced ? "abbccc" : "old 1old 2old 3");
            }
            EXPECT_EQ(entries(root()).size(), 3u);
        });
}

TEST_F(FileReplacing, AWritePastTheFileSizeLimitFailsAndKeepsTheOldFile) {
    writeFile("zorv.prf", kOld);
    // A child whose files may not grow past 100 bytes: the operating system cuts the writes.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool replaced = replaceFile(u"\\zorv.prf", kSmall.data(), kSmall.size());
        _exit(replaced ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the replace claimed success";
    EXPECT_EQ(readFile("zorv.prf"), kOld);
    EXPECT_EQ(entries(root()), std::vector<std::string>{"zorv.prf"});
}

TEST_F(FileReplacing, AFullFileSystemFailsTheReplaceAndKeepsTheOldFile) {
    fs::create_directories(root() / "disk");
    writeFile("disk/zorv.prf", kOld);
    SmallFileSystem disk;
    if (const auto why = disk.mountOver(root() / "disk")) {
        GTEST_SKIP() << *why;
    }
    disk.fill();
    EXPECT_FALSE(replaceFile(u"\\disk\\zorv.prf", kSmall.data(), kSmall.size()));
    EXPECT_FALSE(replaceFile(u"\\disk\\zorv.prf", kNew.data(), kNew.size()));
    EXPECT_EQ(readFile("disk/zorv.prf"), kOld);
    EXPECT_EQ(entries(root() / "disk"), (std::vector<std::string>{".filler", "zorv.prf"}));
    disk.unmount();
}

TEST_F(FileReplacing, PipesAndSocketsAreNoFilesAndNothingWaitsForThem) {
    HangGuard guard;
    ASSERT_EQ(mkfifo((root() / "pipe").c_str(), 0600), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (root() / "socket").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    writeFile("real", kOld);
    for (const std::u16string path : {u"\\pipe", u"\\socket"}) {
        EXPECT_FALSE(File::openForReading(path));
        EXPECT_FALSE(readWholeFile(path, 100));
        EXPECT_FALSE(readFileStart(path, 100));
        EXPECT_FALSE(replaceFile(path, "x", 1));
        EXPECT_FALSE(copyFile(path, u"\\copy", true));
        EXPECT_FALSE(copyFile(u"\\real", path, true));
        EXPECT_FALSE(sameFileContent(path, path));
    }
    EXPECT_FALSE(fileExists(u"\\copy"));
    EXPECT_TRUE(fs::is_fifo(root() / "pipe"));
    close(sock);
}

TEST_F(FileReplacing, ARegistryThatIsAPipeIsNoRegistry) {
    HangGuard guard;
    ASSERT_EQ(mkfifo((root() / "registry.ini").c_str(), 0600), 0);
    EXPECT_FALSE(RegistryKey::open(u"SOFTWARE\\Apps\\Quendlex Zorvagon"));
}

TEST_F(FileReplacing, ReadingTheStartOfAFileTakesNoMoreThanAsked) {
    writeFile("big", std::string(1000, 'b'));
    EXPECT_EQ(readFileStart(u"\\big", 10)->size(), 10u);
    EXPECT_EQ(readFileStart(u"\\big", 5000)->size(), 1000u);
    EXPECT_FALSE(readWholeFile(u"\\big", 999));
    writeFile("same", std::string(1000, 'b'));
    writeFile("other", std::string(999, 'b') + "c");
    writeFile("shorter", std::string(999, 'b'));
    EXPECT_TRUE(sameFileContent(u"\\big", u"\\same"));
    EXPECT_FALSE(sameFileContent(u"\\big", u"\\other"));
    EXPECT_FALSE(sameFileContent(u"\\big", u"\\shorter"));
    EXPECT_FALSE(sameFileContent(u"\\shorter", u"\\big"));
}
