#pragma once
// The help window: a title box above a read-only, scrolling rich-text body.
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

    QTextEdit* RichEdit1 = nullptr;  // body
    QTextEdit* RichEdit2 = nullptr;  // title box

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace cifrala
