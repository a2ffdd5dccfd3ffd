#pragma once
// The dialogs in which the pupil chooses a file to open or a name to save
// under. Every window asks through here, so that tests and the random-input
// test answer without a dialog.
#include <QString>
#include <functional>

class QWidget;

namespace cifrala {

struct FileDialogRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QWidget* parent = nullptr;
    QString title;
    QString filter;     // "Tekst (*.txt)"
    QString directory;  // where the dialog starts (empty: the last one)
};

// The chosen file, or an empty text when the pupil cancelled.
QString ask_file_name(const FileDialogRequest& request);

using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;
// Installs a handler and returns the previous one; an empty handler brings
// back the real dialogs.
FileDialogHandler set_file_dialog_handler(FileDialogHandler handler);

}  // namespace cifrala
