// The language comes from the desktop's preferences; anything wrong on the way gives English.
#include "language_fixture.h"
#include "platform/translation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(LanguageChoice, TheFirstPreferenceThatIsEnglishOrTranslatedDecides) {
    const QStringList available{"de", "ja", "pt_BR", "zh_CN"};
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"de-DE"}, "de"},
        {{"de-AT", "ja"}, "de"},
        {{"fr-FR", "ja-JP"}, "ja"},
        {{"en-US", "de"}, ""},
        {{"C"}, ""},
        {{"pt-PT"}, "pt_BR"},
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"zh-TW"}, ""},
        {{"zh-Hant-HK", "de"}, "de"},
        {{}, ""},
        {{"", ":", "xx-YY", "../../etc/passwd", QString(5000, u'd'), "de"}, "de"},
    };
    for (const auto& [preferred, chosen] : cases) {
        EXPECT_EQ(chooseLanguage(preferred, available), chosen)
            << preferred.join(u',').left(80).toStdString();
    }
}

// A translation folder with the pseudo-translation standing in for French.
class TranslationFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(":/i18n-pseudo/zorvagon_pseudo.qm"), path("fr")));
        QFile::setPermissions(path("fr"), QFile::ReadOwner | QFile::WriteOwner);
    }
    void TearDown() override { removeTranslations(); }

    QString path(const char* language) const {
        return folder.filePath(QStringLiteral("zorvagon_%1.qm").arg(QLatin1String(language)));
    }
    void write(const char* language, const QByteArray& bytes) const {
        QFile file(path(language));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

TEST_F(TranslationFolder, AGoodTranslationIsSpokenWithItsTexts) {
    EXPECT_EQ(installTranslations(QStringLiteral("zorvagon"), {"xx", "fr-CA"}, folder.path()),
              "fr");
    EXPECT_EQ(spokenLanguage(), u"fr");
    EXPECT_NE(translate("Menu", "Game"), u"Game");
    removeTranslations();
    EXPECT_EQ(translate("Menu", "Game"), u"Game");
    EXPECT_EQ(spokenLanguage(), u"");
}

TEST_F(TranslationFolder, AMissingDamagedOrEmptyTranslationGivesTheNextPreferenceOrEnglish) {
    QFile real(path("fr"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();
    const std::vector<QByteArray> damaged = {{},
                                             QByteArray(300, '\xff'),
                                             bytes.left(16),
                                             bytes.left(bytes.size() / 2),
                                             bytes.left(bytes.size() - 1),
                                             bytes.left(16) + QByteArray(bytes.size(), '\x7f')};
    for (const QByteArray& broken : damaged) {
        write("de", broken);
        EXPECT_EQ(installTranslations(QStringLiteral("zorvagon"), {"de"}, folder.path()), "");
        EXPECT_EQ(translate("Menu", "Game"), u"Game");
        EXPECT_EQ(installTranslations(QStringLiteral("zorvagon"), {"de", "fr"}, folder.path()),
                  "fr");
    }
    EXPECT_EQ(installTranslations(QStringLiteral("zorvagon"), {"it"}, folder.path()), "");
    EXPECT_EQ(installTranslations(QStringLiteral("zorvagon"), {"fr"}, folder.filePath("none")), "");
    EXPECT_EQ(translate("Levels", "Easy"), u"Easy");
}

} // namespace
