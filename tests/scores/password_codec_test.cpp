// Score passwords: the alphabet, the layout, round trips and what a decode does and does not check.
#include "game/scores/password_codec.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace {

constexpr std::u16string_view kAlphabet =
    u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$%^&*()";

bool decodes(std::u16string_view text) {
    PasswordContent content;
    return decodePassword(text, content);
}

PasswordContent decoded(std::u16string_view text) {
    PasswordContent content;
    EXPECT_TRUE(decodePassword(text, content)) << std::string(text.begin(), text.end());
    return content;
}

std::uint32_t randomScore() {
    return static_cast<std::uint32_t>(nextRandom()) << 17 ^
           static_cast<std::uint32_t>(nextRandom()) << 2 ^ static_cast<std::uint32_t>(nextRandom());
}

} // namespace

TEST(PasswordAlphabet, SeventyTwoSymbolsInValueOrderAndNothingElse) {
    for (int value = 0; value < kSymbolCount; ++value) {
        CodecState state;
        EXPECT_EQ(symbolOf(value, state), kAlphabet[value]);
        EXPECT_EQ(valueOf(kAlphabet[value], state), value);
        EXPECT_FALSE(state.error);
    }
    for (const int outside : {-1, 72, 1000}) {
        CodecState state;
        symbolOf(outside, state);
        EXPECT_TRUE(state.error) << outside;
    }
    for (const char16_t other : {u' ', u'-', u'_', u'\0', u'\u00e9'}) {
        CodecState state;
        valueOf(other, state);
        EXPECT_TRUE(state.error);
    }
}

TEST(PasswordAlphabet, ChecksumIsTheSumOfCharacterCodesModSeventyTwo) {
    CodecState state;
    EXPECT_EQ(symbolOf(checksumValue(u"abc", 3), state), u'g');
}

TEST(ScorePassword, LengthIsFourPlusTheDigitCount) {
    const std::u16string zero = encodePassword(0, kIssuedPasswordTag, 0);
    EXPECT_EQ(zero.size(), 5u);
    EXPECT_EQ(zero[0], u'b');
    EXPECT_EQ(encodePassword(1234567, kIssuedPasswordTag, 1).size(), 11u);
    EXPECT_EQ(encodePassword(4294967295u, kIssuedPasswordTag, 2).size(), 14u);
}

TEST(ScorePassword, DigitOffsetsRunUpToSixtyThenWrapToZero) {
    // 3 digits, offset 59, tag 5 on Easy; digits 1+59, 2+60, 3+0; checksum over "d7f8!d".
    EXPECT_EQ(encodePassword(123, kIssuedPasswordTag, 0, 59), u"d7f8!do");
}

TEST(ScorePassword, OffsetIsDrawnFromTheSharedGenerator) {
    EXPECT_EQ(rotationOffset(0), 0);
    EXPECT_EQ(rotationOffset(32766), 59);
    EXPECT_EQ(rotationOffset(kRandomMax), 60);
    seedRandom(77);
    const std::u16string issued = encodePassword(42, kIssuedPasswordTag, 0);
    seedRandom(77);
    EXPECT_EQ(issued[1], kAlphabet[rotationOffset(nextRandom())]);
}

TEST(ScorePassword, EveryIssuedPasswordDecodesToItsScoreLevelAndTag) {
    seedRandom(2024);
    for (int i = 0; i < 3000; ++i) {
        const std::uint32_t score = i == 0 ? 0 : i == 1 ? 4294967295u : randomScore() >> (i % 32);
        const int level = i % 3;
        const int tag = i % 24;
        const int offset = i % 61;
        const PasswordContent content = decoded(encodePassword(score, tag, level, offset));
        EXPECT_EQ(content.score, score);
        EXPECT_EQ(content.level, level);
        EXPECT_EQ(content.tag, tag);
        EXPECT_EQ(decoded(encodePassword(score, tag, level)).score, score);
    }
}

TEST(ScorePassword, OutOfRangeLevelOrTagGivesNoPassword) {
    EXPECT_TRUE(encodePassword(5, 24, 0).empty());
    EXPECT_TRUE(encodePassword(5, 0, 3).empty());
    EXPECT_TRUE(encodePassword(5, -1, 0).empty());
}

TEST(ScorePassword, ChangingOneSymbolFailsUnlessTheCodesDifferBySeventyTwo) {
    const std::u16string issued = encodePassword(9081726, kIssuedPasswordTag, 2, 31);
    for (std::size_t at = 0; at < issued.size(); ++at) {
        for (const char16_t symbol : kAlphabet) {
            if (symbol == issued[at]) {
                continue;
            }
            std::u16string changed = issued;
            changed[at] = symbol;
            const bool sameSum = (int(symbol) - int(issued[at])) % 72 == 0;
            if (!sameSum || at == issued.size() - 1) {
                EXPECT_FALSE(decodes(changed)) << at << " " << char(symbol);
            }
        }
    }
    // 'i' and '!' differ by 72: the checksum cannot tell them apart.
    std::u16string twin = encodePassword(8, kIssuedPasswordTag, 0, 0); // digit 8 -> 'i'
    ASSERT_EQ(twin[3], u'i');
    twin[3] = u'!';
    EXPECT_TRUE(decodes(twin));
}

TEST(ScorePassword, SpaceAnywhereFails) {
    const std::u16string issued = encodePassword(31337, kIssuedPasswordTag, 1, 12);
    for (std::size_t at = 0; at <= issued.size(); ++at) {
        std::u16string replaced = issued;
        if (at < issued.size()) {
            replaced[at] = u' ';
            EXPECT_FALSE(decodes(replaced)) << at;
        }
        std::u16string inserted = issued;
        inserted.insert(at, 1, u' ');
        EXPECT_FALSE(decodes(inserted)) << at;
    }
    EXPECT_FALSE(decodes(u""));
}

TEST(ScorePassword, FailedDecodeLeavesTheNextOneAlone) {
    EXPECT_FALSE(decodes(u"b  ?"));
    EXPECT_FALSE(decodes(u"zzzzzzzzzzzzzzzzzzzz"));
    EXPECT_EQ(decoded(u"d7f8!do").score, 123u);
}

TEST(ScorePassword, DigitCountOfZeroDecodesToTheScoreZero) {
    // Digit count 'a', offset 'f', level symbol 'a', checksum of "afa" is 296 mod 72 = 8 ('i').
    const PasswordContent content = decoded(u"afai");
    EXPECT_EQ(content.score, 0u);
}

TEST(ScorePassword, TextBeforeTheChecksumIsNotExamined) {
    const std::u16string issued = encodePassword(555, kIssuedPasswordTag, 1, 3);
    std::u16string padded = issued.substr(0, issued.size() - 1) + u"Zq9";
    CodecState state;
    padded += symbolOf(checksumValue(padded, padded.size()), state);
    const PasswordContent content = decoded(padded);
    EXPECT_EQ(content.score, 555u);
    EXPECT_EQ(content.level, 1);
}

TEST(ScorePassword, DecodedDigitsAreReadAsADecimalText) {
    // Three digits from offset 0 with values 1, 3, 71: the characters "12u" read as 12.
    EXPECT_EQ(decoded(u"dafbd)I").score, 12u);
}

TEST(ScorePassword, ADigitCountRunningPastTheTextFails) {
    // Claims 10 digits ('k') but holds one; checksum of "kaaa" is 412 mod 72 = 52 ('0').
    EXPECT_FALSE(decodes(u"kaaa0"));
}

TEST(LegacyPassword, TenSymbolsOfLevelAndEightBiasedGroups) {
    // Level 1 tag 5 ('D'); 0x12345678 low group first: i x U 9 e t Q 5; checksum 786 mod 72.
    PasswordContent content;
    ASSERT_TRUE(decodeLegacyPassword(u"DixU9etQ5%", content));
    EXPECT_EQ(content.score, 0x12345678u);
    EXPECT_EQ(content.level, 1);
    EXPECT_EQ(content.tag, 5);
}

TEST(LegacyPassword, OnlyTheFirstTenCharactersCount) {
    PasswordContent content;
    EXPECT_FALSE(decodeLegacyPassword(u"DixU9etQ5", content));
    ASSERT_TRUE(decodeLegacyPassword(u"DixU9etQ5% trailing", content));
    EXPECT_EQ(content.score, 0x12345678u);
    EXPECT_FALSE(decodeLegacyPassword(u"DixU9etQ5!", content));
    EXPECT_FALSE(decodeLegacyPassword(u"DixU etQ5%", content));
}

TEST(LegacyPassword, GroupBelowItsBiasSetsTheHighBits) {
    // Group 1 is 'a' (0 - 16 = -16), every other group zero; checksum 763 mod 72 = 43 ('R').
    PasswordContent content;
    ASSERT_TRUE(decodeLegacyPassword(u"aaaO4aqO4R", content));
    EXPECT_EQ(content.score, 0xFFFFFF00u);
    EXPECT_EQ(content.level, 0);
    EXPECT_EQ(content.tag, 0);
}
