// The registry file, the text fields, the tick count and the random generator.
#include "device_root_fixture.h"
#include "platform/random.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/tick_count.h"

#include <chrono>
#include <random>
#include <set>
#include <thread>

using Registry = DeviceRootTest;

namespace {
const char16_t* const kGameKey = u"SOFTWARE\\Apps\\Quendlex Zorvagon";
}

TEST_F(Registry, ReadsAValueOfItsKeyIgnoringCase) {
    writeFile("registry.ini", "[Other]\ninstalldir=wrong\n"
                              "[software\\apps\\quendlex zorvagon]\r\n"
                              "; a comment\r\nInstallDir = \\Storage Card\\Games \r\n");
    auto key = RegistryKey::open(kGameKey);
    ASSERT_TRUE(key);
    char16_t buffer[260];
    ASSERT_TRUE(key->readString(u"installdir", buffer, 260));
    EXPECT_EQ(std::u16string(buffer), u"\\Storage Card\\Games");
}

TEST_F(Registry, MissingFileKeyOrValueFails) {
    EXPECT_FALSE(RegistryKey::open(kGameKey));
    writeFile("registry.ini", "[Something Else]\ninstalldir=x\n");
    EXPECT_FALSE(RegistryKey::open(kGameKey));
    writeFile("registry.ini", "[SOFTWARE\\Apps\\Quendlex Zorvagon]\nother=x\n");
    char16_t buffer[10] = u"untouched";
    EXPECT_FALSE(RegistryKey::open(kGameKey)->readString(u"installdir", buffer, 10));
    EXPECT_EQ(std::u16string(buffer), u"untouched");
}

TEST_F(Registry, AValueMustFitWithItsTerminator) {
    writeFile("registry.ini", "[k]\nfits=" + std::string(259, 'a') + "\nlong=" +
                                  std::string(260, 'b') + "\n");
    auto key = RegistryKey::open(u"k");
    char16_t buffer[260];
    EXPECT_TRUE(key->readString(u"fits", buffer, 260));
    EXPECT_EQ(std::u16string(buffer).size(), 259u);
    EXPECT_FALSE(key->readString(u"long", buffer, 260));
}

TEST_F(Registry, DamagedBinaryOrHugeFilesNeverBreakIt) {
    std::mt19937 noise(7);
    std::string binary(5000, '\0');
    for (char& byte : binary) {
        byte = static_cast<char>(noise());
    }
    writeFile("registry.ini", binary + "\n[k]\nv=1\n");
    char16_t buffer[4];
    if (auto key = RegistryKey::open(u"k")) {
        key->readString(u"v", buffer, 4);
    }
    writeFile("registry.ini", "[k\n=\n[]\n==\n[k]\n=novalue\nv\n");
    EXPECT_FALSE(RegistryKey::open(u"k")->readString(u"v", buffer, 4));
    writeFile("registry.ini", "[k]\nv=1\n" + std::string(200000, 'x'));
    EXPECT_FALSE(RegistryKey::open(u"k"));
}

TEST(TextFields, KeepTheirTerminatorAndCutLongerTexts) {
    char16_t field[5];
    EXPECT_TRUE(setFieldText(field, u"abcd"));
    EXPECT_EQ(fieldText(field), u"abcd");
    EXPECT_FALSE(setFieldText(field, u"abcdefgh"));
    EXPECT_EQ(fieldText(field), u"abcd");
    EXPECT_EQ(field[4], u'\0');
    const char16_t unterminated[3] = {u'x', u'y', u'z'};
    EXPECT_EQ(fieldText(unterminated), u"xyz");
    EXPECT_EQ(utf8FromUtf16(utf16FromUtf8("Grüße")), "Grüße");
}

TEST(TickCount, TheTestClockReplacesTheRealOne) {
    setTestClock(0xFFFFFFF0u);
    EXPECT_EQ(tickCount(), 0xFFFFFFF0u);
    setTestClock(5);
    EXPECT_EQ(tickCount() - 0xFFFFFFF0u, 21u); // a wrap still gives the normal difference
    clearTestClock();
    const auto first = tickCount();
    EXPECT_LE(first, tickCount());
}

TEST(RandomGenerator, StaysInRangeAndRepeatsForASeed) {
    seedRandom(1234);
    int first[50];
    for (int& value : first) {
        value = nextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, kRandomMax);
    }
    seedRandom(1234);
    for (int value : first) {
        EXPECT_EQ(nextRandom(), value);
    }
    RandomGenerator generator;
    generator.seed(1);
    EXPECT_EQ(generator.next(), 41); // the classic generator's first value for seed 1
}

TEST(RandomGenerator, StartsOneMillisecondApartDealDifferentFirstBoards) {
    // Each start's first board comes from the generator's first values after seeding.
    std::set<int> firstValues;
    for (int start = 0; start < 12; ++start) {
        seedRandom(startSeed());
        firstValues.insert(nextRandom() * (kRandomMax + 1) + nextRandom());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(firstValues.size(), 12u);
}
