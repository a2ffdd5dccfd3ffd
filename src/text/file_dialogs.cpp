#include "text/file_dialogs.h"

#include <QFileDialog>

namespace cifrala {

namespace {

FileDialogHandler& handler() {
    static FileDialogHandler h;
    return h;
}

}  // namespace

QString ask_file_name(const FileDialogRequest& r) {
    if (handler()) return handler()(r);
    if (r.kind == FileDialogRequest::Save)
        return QFileDialog::getSaveFileName(r.parent, r.title, r.directory, r.filter);
    return QFileDialog::getOpenFileName(r.parent, r.title, r.directory, r.filter);
}

FileDialogHandler set_file_dialog_handler(FileDialogHandler h) {
    FileDialogHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

}  // namespace cifrala
