// Message boxes and file dialogs: what is asked of the user and the answers.
#pragma once

#include <string>

// Command ids and results shared by every dialog and message box.
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;
constexpr int kDialogYes = 6;
constexpr int kDialogNo = 7;

enum class MessageButtons { Ok, OkCancel, YesNo };

struct MessageBoxRequest {
    std::u16string text;
    std::u16string caption;
    MessageButtons buttons = MessageButtons::Ok;
    bool owned = false; // shown over a dialog rather than on its own
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::u16string filterName;     // such as u"Theme Files"
    std::u16string filterPattern;  // such as u"*.zpk"
    std::u16string defaultSuffix;  // added to a name typed without one
    bool mustExist = false;        // the chosen file must already exist
    bool confirmOverwrite = false; // ask before a save replaces a file
};
