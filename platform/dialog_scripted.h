// A stand-in for the user in tests: plays a script in each dialog and records what was shown.
#pragma once

#include "platform/dialog_host.h"

#include <QImage>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A dialog shown by the scripted host: the procedure's handle, and the user's hands.
class ScriptedDialog : public DialogHandle {
  public:
    ScriptedDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                   std::vector<MessageBoxRequest>& messages);

    // The user's part.
    void type(int id, std::u16string_view text); // replaces an edit box's text
    void press(int id);                          // a button, or kDialogOk / kDialogCancel
    void pressEnter();                           // the default button, or kDialogOk without one
    void pressEscape() { press(kDialogCancel); }

    bool ended() const { return result_.has_value(); }
    std::optional<int> result() const { return result_; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    // The control's place in pixels, with the classic dialog font's base units.
    PixelBox itemBox(int id) const;
    // A custom control's client area as its class paints it now.
    QImage paintItem(int id) const;
    // How often each control was asked to repaint.
    int repaintCount(int id) const;

    // DialogHandle
    std::u16string itemText(int id) const override;
    void setItemText(int id, std::u16string_view text) override;
    std::u16string caption() const override { return caption_; }
    void setCaption(std::u16string_view caption) override { caption_ = caption; }
    void repaintItem(int id) override { ++repaints_[id]; }
    void addListItem(int id, std::u16string_view text) override;
    int listItemCount(int id) const override;
    int selectedListItem(int id) const override;
    void selectListItem(int id, int index) override;
    int messageBox(std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons) override;
    void endDialog(int result) override { result_ = result; }

    // Answers for the message boxes this dialog shows itself; kDialogOk when none is left.
    std::deque<int> messageAnswers;

  private:
    DialogTemplate template_;
    DialogProcedure& procedure_;
    std::vector<MessageBoxRequest>& messages_;
    std::u16string caption_;
    std::map<int, std::u16string> texts_;
    std::map<int, std::vector<std::u16string>> lists_;
    std::map<int, int> selections_;
    std::map<int, int> repaints_;
    std::optional<int> result_;
};

using DialogScript = std::function<void(ScriptedDialog&)>;

class ScriptedDialogHost : public DialogHost {
  public:
    // The user's part in the next modal dialog; a dialog without a script is closed with Esc.
    void playDialog(DialogScript script) { dialogScripts_.push_back(std::move(script)); }
    // The answer to the next file dialog: a path, or nothing to cancel (also when none is left).
    void answerFile(std::optional<std::u16string> path) { fileAnswers_.push_back(std::move(path)); }
    // The button pressed in the next message box; kDialogOk when none is left.
    void answerMessage(int button) { messageAnswers_.push_back(button); }
    // What else happens while one of the host's message boxes shows, before its button is pressed.
    std::function<void(const MessageBoxRequest&)> onMessageBox;

    // What was shown, in order.
    std::vector<std::u16string> dialogsShown; // captions at set-up
    std::vector<MessageBoxRequest> messages;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::u16string> helpShown;

    int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) override;
    int messageBox(const MessageBoxRequest& request) override;
    std::optional<std::u16string> askFileName(const FileDialogRequest& request) override;
    bool showHelp(std::u16string_view path) override;

  private:
    std::deque<DialogScript> dialogScripts_;
    std::deque<std::optional<std::u16string>> fileAnswers_;
    std::deque<int> messageAnswers_;
};

// The result runModal gives for a dialog its script left open.
constexpr int kDialogLeftOpen = -1;
