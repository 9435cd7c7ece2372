// A kept game opens under the Pause box exactly as it was kept; only the player's answer resumes
// it.
#include "game/engine/saved_game.h"
#include "game/shell/kept_game.h"
#include "game/shell/kept_game_offer.h"
#include "qt_shell_fixture.h"

namespace fs = std::filesystem;

using KeptGameOffer = QtShellTest;

TEST_F(KeptGameOffer, ThePauseBoxShowsTheGameAsKeptAndOnlyItsAnswerRemovesTheFile) {
    const std::u16string path = installPath(game, kKeptGameFile);
    const fs::path file = root() / "my documents" / "zorv.sav";
    layStillGame(engine, Expert);
    engine.score = 321;
    engine.idleMs = 4000;
    const auto kept = encodeSavedGame(engine, 5);
    for (const bool closedUnderTheBox : {false, true}) {
        SCOPED_TRACE(closedUnderTheBox ? "closed under the box" : "answered");
        writeFile("my documents/zorv.sav", std::string(kept.begin(), kept.end()));
        engine = EngineState{};
        engine.services = &game.services;
        ASSERT_EQ(restoreKeptGame(engine, path), 5u);
        seedRandom(5);
        StandInUser user;
        bool keptAsItWas = false;
        user.whileOpen = [&](QWidget&) {
            keptAsItWas = encodeSavedGame(engine, randomState()) == kept && !game.clock.running;
            if (closedUnderTheBox) {
                // What the window's end does, then the end itself.
                keepGame(engine, randomState(), path);
                window->close();
            }
        };
        offerKeptGame(game, *window, path);
        ASSERT_TRUE(runUntil([&] { return user.count("Pause") == 1 && !insideModalLoop(); }, 5000));
        runFor(20);
        EXPECT_TRUE(keptAsItWas);
        EXPECT_EQ(fs::exists(file), closedUnderTheBox);
        if (closedUnderTheBox) {
            EXPECT_TRUE(readFile("my documents/zorv.sav") == std::string(kept.begin(), kept.end()));
        } else {
            EXPECT_TRUE(game.clock.running);
            EXPECT_EQ(engine.score, 321);
        }
    }
}
