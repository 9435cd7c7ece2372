// The player's options and current theme: one 552-byte record, saved whole at every change.
#include "game/shell/preferences.h"

#include "platform/files.h"

#include <algorithm>

namespace {

class ByteWriter {
  public:
    explicit ByteWriter(std::uint8_t* out) : out_(out) {}
    void u8(std::uint8_t value) { *out_++ = value; }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void i32(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        u16(static_cast<std::uint16_t>(bits));
        u16(static_cast<std::uint16_t>(bits >> 16));
    }

  private:
    std::uint8_t* out_;
};

class ByteReader {
  public:
    explicit ByteReader(const std::uint8_t* in) : in_(in) {}
    std::uint8_t u8() { return *in_++; }
    std::uint16_t u16() {
        const std::uint16_t low = u8();
        return static_cast<std::uint16_t>(low | (u8() << 8));
    }
    std::int32_t i32() {
        const std::uint32_t low = u16();
        return static_cast<std::int32_t>(low | (static_cast<std::uint32_t>(u16()) << 16));
    }

  private:
    const std::uint8_t* in_;
};

int flip(Preferences& preferences, std::u16string_view path, std::int32_t& flag) {
    flag = flag == 0 ? 1 : 0;
    savePreferences(preferences, path);
    return flag;
}

} // namespace

std::array<std::uint8_t, kPreferencesBytes> encodePreferences(const Preferences& record) {
    std::array<std::uint8_t, kPreferencesBytes> bytes{};
    ByteWriter out(bytes.data());
    out.i32(record.hintsOn);
    out.u8(record.backgroundRed);
    out.u8(record.backgroundGreen);
    out.u8(record.backgroundBlue);
    out.u8(record.reserved7);
    out.i32(record.colorCommand);
    for (char16_t unit : record.themePath) {
        out.u16(unit);
    }
    out.i32(record.soundOn);
    out.i32(record.showTurnScore);
    out.i32(record.transparencyOn);
    out.u8(record.swapSpeed);
    out.u8(record.fallSpeed);
    out.u8(record.reserved546[0]);
    out.u8(record.reserved546[1]);
    out.i32(record.speedCommand);
    return bytes;
}

void decodePreferences(const std::uint8_t* bytes, std::size_t count, Preferences& record) {
    // A short file fills the record from its start, as far as it reaches, even mid-field.
    auto merged = encodePreferences(record);
    std::copy_n(bytes, std::min(count, kPreferencesBytes), merged.begin());
    ByteReader in(merged.data());
    record.hintsOn = in.i32();
    record.backgroundRed = in.u8();
    record.backgroundGreen = in.u8();
    record.backgroundBlue = in.u8();
    record.reserved7 = in.u8();
    record.colorCommand = in.i32();
    for (char16_t& unit : record.themePath) {
        unit = in.u16();
    }
    record.soundOn = in.i32();
    record.showTurnScore = in.i32();
    record.transparencyOn = in.i32();
    record.swapSpeed = in.u8();
    record.fallSpeed = in.u8();
    record.reserved546[0] = in.u8();
    record.reserved546[1] = in.u8();
    record.speedCommand = in.i32();
}

void loadPreferences(Preferences& preferences, std::u16string_view path) {
    preferences = Preferences{};
    const FileStart file = readFileStartOrWhyNot(path, kPreferencesBytes);
    preferences.fileKept = file.state == FileStart::State::Unreadable;
    decodePreferences(file.bytes.data(), file.bytes.size(), preferences);
    if (file.bytes.size() != kPreferencesBytes) {
        resetPreferences(preferences, path);
    }
}

void savePreferences(const Preferences& preferences, std::u16string_view path) {
    // Replaced atomically, so a crash or a full disk never leaves a damaged file; a failure is
    // silent and the change stays in memory for this run.
    if (preferences.fileKept) {
        return;
    }
    const auto bytes = encodePreferences(preferences);
    replaceFile(path, bytes.data(), bytes.size());
}

void resetPreferences(Preferences& preferences, std::u16string_view path) {
    preferences.hintsOn = 1;
    preferences.backgroundRed = 200;
    preferences.backgroundGreen = 200;
    preferences.backgroundBlue = 200;
    preferences.colorCommand = kColorGrey;
    preferences.soundOn = 1;
    preferences.showTurnScore = 1;
    preferences.swapSpeed = 130;
    preferences.fallSpeed = 145;
    preferences.speedCommand = kSpeedInstant;
    preferences.transparencyOn = 1;
    savePreferences(preferences, path);
}

int toggleHints(Preferences& preferences, std::u16string_view path) {
    return flip(preferences, path, preferences.hintsOn);
}
int toggleSound(Preferences& preferences, std::u16string_view path) {
    return flip(preferences, path, preferences.soundOn);
}
int toggleTurnScore(Preferences& preferences, std::u16string_view path) {
    return flip(preferences, path, preferences.showTurnScore);
}
int toggleTransparency(Preferences& preferences, std::u16string_view path) {
    return flip(preferences, path, preferences.transparencyOn);
}

void setColor(Preferences& preferences, std::u16string_view path, int commandId) {
    struct Colour {
        int id;
        std::uint8_t red, green, blue;
    };
    static constexpr Colour colours[] = {
        {kColorGrey, 200, 200, 200}, {kColorBlue, 0, 0, 200},  {kColorWhite, 255, 255, 255},
        {kColorRed, 185, 0, 0},      {kColorGreen, 0, 185, 0}, {kColorCyan, 15, 230, 244},
        {kColorBlack, 0, 0, 0},
    };
    Colour chosen{commandId, 0, 0, 0};
    for (const Colour& colour : colours) {
        if (colour.id == commandId) {
            chosen = colour;
        }
    }
    preferences.backgroundRed = chosen.red;
    preferences.backgroundGreen = chosen.green;
    preferences.backgroundBlue = chosen.blue;
    preferences.colorCommand = commandId;
    savePreferences(preferences, path);
}

void setSpeed(Preferences& preferences, std::u16string_view path, int commandId) {
    struct Speed {
        int id;
        std::uint8_t swap, fall;
    };
    static constexpr Speed speeds[] = {
        {kSpeedNormal, 60, 135},
        {kSpeedFast, 70, 145},
        {kSpeedFaster, 80, 145},
        {kSpeedInstant, 130, 145},
    };
    for (const Speed& speed : speeds) {
        if (speed.id == commandId) {
            preferences.swapSpeed = speed.swap;
            preferences.fallSpeed = speed.fall;
        }
    }
    preferences.speedCommand = commandId;
    savePreferences(preferences, path);
}
