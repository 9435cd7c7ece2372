// F1 opens the help page in the language the game speaks where there is one, else the English.
#include "device_root_fixture.h"
#include "game/shell/help_page.h"
#include "game/shell/install_directory.h"
#include "language_fixture.h"
#include "platform/file_faults.h"
#include "platform/resources.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class HelpPage : public DeviceRootTest {
  protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        std::filesystem::create_directories(root() / "my documents");
        readInstallDirectory(installDirectory);
        for (const char* language : {"eo", "la"}) {
            QFile::copy(
                QStringLiteral(":/i18n-pseudo/zorvagon_pseudo.qm"),
                folder.filePath(QStringLiteral("zorvagon_%1.qm").arg(QLatin1String(language))));
        }
    }
    void TearDown() override {
        removeTranslations();
        DeviceRootTest::TearDown();
    }
    void speakInFolder(const char* language) {
        installTranslations(QStringLiteral("zorvagon"), {QLatin1String(language)}, folder.path());
    }

    std::u16string opened() const { return helpPagePath(installDirectory); }
    std::u16string path(std::u16string_view name) const { return installPath(installDirectory, name); }

    char16_t installDirectory[kPathUnits] = {};
    QTemporaryDir folder;
};

TEST_F(HelpPage, EnglishAndALanguageWithoutAPageOpenTheEnglishPage) {
    EXPECT_EQ(opened(), path(u"zorv help.htm"));
    speakInFolder("la");
    EXPECT_EQ(opened(), path(u"zorv help.htm"));
}

TEST_F(HelpPage, ALanguageWithAPageWritesItBesideTheEnglishOneAndMendsIt) {
    speakInFolder("eo");
    const auto embedded = readResource(u":/help/zorv help.eo.htm");
    ASSERT_TRUE(embedded);
    const std::string page(embedded->begin(), embedded->end());
    for (const char* before : {"", "changed"}) {
        if (*before) {
            writeFile("my documents/zorv help.eo.htm", before);
        }
        EXPECT_EQ(opened(), path(u"zorv help.eo.htm"));
        EXPECT_EQ(readFile("my documents/zorv help.eo.htm"), page);
    }
}

TEST_F(HelpPage, APageThatCannotBeWrittenGivesTheEnglishPage) {
    speakInFolder("eo");
    const FileFaultInjection fullDisk(FileFault::DiskFull);
    EXPECT_EQ(opened(), path(u"zorv help.htm"));
    EXPECT_FALSE(std::filesystem::exists(root() / "my documents" / "zorv help.eo.htm"));
}

} // namespace
