#pragma once
// The help window: a title box above a read-only, scrolling rich-text body,
// both with margins. The pupil may resize it; the size is kept for the next
// run (in the user's config folder) when the window is hidden.
#include <QWidget>

#include "text/help_file.h"

class QTextEdit;

namespace cifrala {

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    void show_page(const HelpPage& page);
    void layout_text_areas();
    // Saves the size when it has changed since it was saved or loaded.
    void keep_size();

    static constexpr const char* kSizeFile = "help_window.txt";

    QTextEdit* RichEdit1 = nullptr;  // body
    QTextEdit* RichEdit2 = nullptr;  // title box

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QSize saved_size_;
};

}  // namespace cifrala
