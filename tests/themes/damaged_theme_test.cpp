// Theme files cut at every byte or followed by garbage: a short theme gives the built-in set, the
// list still shows what name it holds, and nothing more is read than the file holds.
#include "theme_list_fixture.h"
#include "theme_loading_fixture.h"
#include "without_syncs.h"

using DamagedTheme = ThemeLoading;

TEST_F(DamagedTheme, AThemeCutAtEveryByteGivesTheBuiltInSetUntilItIsWhole) {
    WithoutSyncs quick;
    // Seven one-pixel bitmaps keep the file short enough to cut at every byte.
    ASSERT_TRUE(writeSquaresTheme(root() / "whole.zpk", "Pixels", themeColour, 1));
    const std::string bytes = readFile("whole.zpk");
    for (std::size_t cut = 0; cut <= bytes.size() + 1; ++cut) {
        SCOPED_TRACE(cut);
        const bool extended = cut > bytes.size();
        writeFile("my documents/cut.zpk", extended ? bytes + "garbage" : bytes.substr(0, cut));
        chooseTheme(u"\\my documents\\cut.zpk");
        loadTheme();
        const bool loaded = pieceArt.pieces[6] && pieceArt.pieces[6]->width() == 1;
        ASSERT_EQ(loaded, cut >= bytes.size());
        if (!loaded) {
            ASSERT_TRUE(holdsBuiltInSet());
        }
        char16_t name[kThemeListUnits];
        readListedThemeName(name, u"cut.zpk", false, themeSettings);
        ASSERT_TRUE(std::u16string_view(u"Pixels").starts_with(name) || cut < 12);
    }
}
