// The game's top-level Qt window: turns widget events into messages for a window procedure.
#pragma once

#include "platform/frame_timer.h"
#include "platform/window.h"

#include <QRegion>
#include <QWidget>
#include <memory>

class QMenu;
class QtMenuBar;
class QMenuBar;
class QPainter;
class QVBoxLayout;

class MainWindow final : public QWidget, public Window {
  public:
    // Sends the Create message before it returns; the window is not shown yet.
    MainWindow(const QString& title, WindowProcedure procedure);
    ~MainWindow() override;

    PixelSize clientSize() const override;
    void setMarginColour(Colour colour) override;
    void paintNow(const std::vector<PixelRect>& areas) override;
    void invalidateArea(const PixelRect& area) override;
    void present(const Surface& buffer) override;
    bool sendMessage(const WindowMessage& message) override;
    void focusBoard() override;
    void bringToFront() override;
    void close() override;
    void postQuit(int exitCode) override;
    void scheduleFrame(NextFrame next) override;
    void addAccelerator(std::string_view keys, int commandId) override;
    MenuBar* createMenuBar(const std::vector<MenuButtonTemplate>& buttons) override;
    void destroyMenuBar() override;

    // Where the menus go: a bar above the client area, made on first use.
    QMenuBar* menuBar();
    // Makes a menu report MenuOpened and MenuClosed while it shows.
    void watchMenu(QMenu* menu);
    void sendCommand(int commandId);

    // The design area the game draws in at factor 1, in pixels.
    static constexpr int kClientDesignWidth = 240;
    static constexpr int kClientDesignHeight = 294;
    // The largest k for which k*240 by k*294 pixels fit the area; at least 1.
    static int wholeClientScale(PixelSize area);

    // Shows the window with a client area of k*240 by k*294 device pixels, k the largest whole
    // number (at least 1) that fits the available screen, whatever its scale factor.
    void showAtOpeningSize();
    // k for a screen with this much room, when the window needs `extra` beyond its client area
    // (both in device pixels).
    static int openingScale(PixelSize available, PixelSize extra);
    // Tightens the menu bar's look until all of its buttons fit this width; gives the width, or
    // the larger one that longer labels need in the tightest look.
    int fitMenuBar(int width);

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    class ClientArea;
    friend class ClientArea;

    // The client area within the area below the menu bar, in device pixels.
    QRect clientPlace() const;
    // A device rectangle of the client area as logical pixels of the area below the menu bar.
    QRect logicalArea(const PixelRect& area) const;
    void paintClient(QPainter& painter);
    void paintMargins(QPainter& painter);
    // Keeps room for one whole client area at factor 1 and every button of the menu bar.
    void updateMinimumSize();
    // That room, in logical pixels; fits the menu bar to the window's width again.
    QSize leastClientSize();
    void sendDestroy();

    WindowProcedure procedure_;
    QVBoxLayout* layout_ = nullptr;
    ClientArea* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<QtMenuBar> menus_;
    QPainter* painter_ = nullptr;
    // The part of the client area the current paint covers.
    QRegion paintRegion_;
    Colour marginColour_ = whiteColour;
    FrameTimer frames_;
    bool destroyed_ = false;
};
