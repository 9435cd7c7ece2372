// A whole shell without a display: a recording window and menu bar, scripted dialogs, silent
// sounds, and the game's files in a fresh device root.
#pragma once

#include "game/shell/window_procedure.h"
#include "game_fixture.h"
#include "platform/dialog_scripted.h"
#include "platform/recording_menu_bar.h"
#include "platform/surface.h"
#include "platform/tick_count.h"
#include "platform/window.h"

#include <QImage>
#include <memory>
#include <optional>

class RecordingWindow final : public Window {
  public:
    explicit RecordingWindow(Game& game) : game_(game) {}
    PixelSize clientSize() const override { return size; }
    void setMarginColour(Colour colour) override { marginColour = colour; }
    void paintNow(const std::vector<PixelRect>& changed) override {
        for (const PixelRect& area : changed) {
            invalidateArea(area);
        }
    }
    void invalidateArea(const PixelRect& area) override {
        ++invalidations;
        areas.push_back(area);
    }
    void present(const Surface& buffer) override { shown = buffer.image().copy(); }
    bool sendMessage(const WindowMessage& message) override {
        return mainWindowProc(game_, *this, message);
    }
    void focusBoard() override {}
    void bringToFront() override {}
    void close() override {
        closed = true;
        sendMessage({MessageKind::Destroy});
    }
    void postQuit(int exitCode) override { quitCode = exitCode; }
    void scheduleFrame(NextFrame next) override {
        frames = next.kind != NextFrame::Never;
        restMs.reset();
        if (next.kind != NextFrame::AtDisplayPace) {
            restMs = next.kind == NextFrame::After ? next.ms : -1;
        }
    }
    void addAccelerator(std::string_view keys, int commandId) override {
        accelerators.emplace_back(keys, commandId);
    }
    MenuBar* createMenuBar(const MenuBarTemplate& buttons) override {
        menuBar = std::make_unique<RecordingMenuBar>(buttons);
        return menuBar.get();
    }
    void destroyMenuBar() override { menuBar.reset(); }

    // The window's own messages, as the Qt window sends them.
    void tap(int x, int y) {
        sendMessage({.kind = MessageKind::StylusDown, .x = x, .y = y, .leftButton = true});
        sendMessage({.kind = MessageKind::StylusUp, .x = x, .y = y});
    }
    void tapCell(int column, int row, int scale = 1) {
        const CellPoint at = cellCentre(column, row, scale);
        tap(at.x, at.y);
    }
    void command(int id) { sendMessage({.kind = MessageKind::Command, .commandId = id}); }

    PixelSize size{240, 294};
    std::optional<Colour> marginColour;
    int invalidations = 0;
    std::vector<PixelRect> areas;
    bool frames = false;
    // The rest the last request asked for (-1: until woken), if any.
    std::optional<int> restMs;
    bool closed = false;
    int quitCode = -1;
    QImage shown;
    std::vector<std::pair<std::string, int>> accelerators;
    std::unique_ptr<RecordingMenuBar> menuBar;

  private:
    Game& game_;
};

class ShellTest : public GameTest<ScriptedDialogHost> {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        game.window = &window;
        loadSounds(game);
        window.sendMessage({MessageKind::Create});
        setTestClock(1000);
    }
    void TearDown() override {
        clearTestClock();
        GameTest::TearDown();
    }

    // A game in progress on a board that lies still and has no move, running.
    void startStillGame(int level) {
        layStillGame(engine, level);
        clock.running = true;
    }
    void frameAt(std::uint32_t ms) {
        setTestClock(ms);
        window.sendMessage({MessageKind::Frame});
    }
    bool anyCellDirty() const {
        for (const Cell& cell : engine.board) {
            if (cell.flags & Dirty) {
                return true;
            }
        }
        return false;
    }
    void clearDirtyFlags() {
        for (Cell& cell : engine.board) {
            cell.flags &= std::uint16_t(~Dirty);
        }
    }

    RecordingWindow window{game};
};
