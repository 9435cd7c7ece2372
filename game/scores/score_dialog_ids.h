// Resource and control ids of the high-score dialogs.
#pragma once

#include "platform/dialog_box.h"

enum : int {
    kDialogOkButton = kDialogOk,

    kNewGameDialogId = 105,
    kNameEntryDialogId = 108,
    kHighScoresDialogId = 110,
    kAddScoreDialogId = 129,

    kNameEdit = 1006,

    kShowEasyButton = 1007,
    kShowNormalButton = 1008,
    kShowExpertButton = 1009,
    kShownLevelLabel = 1010,
    kFirstPlaceButton = 1011, // places 0 to 9: 1011 to 1020
    kAddScoreButton = 1021,

    kFriendNameEdit = 1014,
    kFriendPasswordEdit = 1015,
};
