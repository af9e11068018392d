// The modal message dialog.
#pragma once

#include <string>

namespace ui {

enum TMsgDlgType { mtWarning, mtError, mtInformation };
enum TMsgDlgBtn { mbOK };  // the one button set the program uses
inline constexpr int mrOk = 1;

// Caption "Avertissement", "Erreur" or "Information" with the exclamation, stop or information
// icon, one OK button, centred on the screen. Once the application is terminating it closes by
// itself as soon as it opens. Returns mrOk.
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgBtn buttons,
               int helpContext = 0);

}  // namespace ui
