#include "text/help_form.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

#include "text/help.h"
#include "text/window_size_store.h"

namespace cifrala {
namespace {

constexpr int kBodyPointSize = 11;
// The window's first size, before the pupil has chosen one.
constexpr QSize kFirstSize(460, 420);
constexpr QSize kSmallest(240, 160);
constexpr int kTitleHeight = 42;
// Around and between the title box and the body.
constexpr int kMargin = 6;
// Between the text and the edges of its box.
constexpr int kTextMargin = 10;

QColor colour_of(HelpFormat::Colour c) {
    switch (c) {
        case HelpFormat::Colour::Red:
            return QColor(255, 0, 0);
        case HelpFormat::Colour::Blue:
            return QColor(0, 0, 255);
        default:
            return QColor(0, 0, 0);
    }
}

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(kSmallest);
    resize(kFirstSize);
    if (const std::optional<QSize> saved = load_window_size(QString::fromLatin1(kSizeFile)))
        resize(saved->expandedTo(kSmallest));

    RichEdit2 = new QTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setReadOnly(true);
    RichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit2->setStyleSheet(QStringLiteral("QTextEdit { background: silver; }"));
    QFont title_font(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    RichEdit2->setFont(title_font);
    RichEdit2->document()->setDocumentMargin(6);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setStyleSheet(QStringLiteral("QTextEdit { background: yellow; }"));
    RichEdit1->setFont(QFont(QStringLiteral("DejaVu Sans"), kBodyPointSize));
    RichEdit1->document()->setDocumentMargin(kTextMargin);

    if (QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        resize(size().boundedTo(r.size()));
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    saved_size_ = size();
    layout_text_areas();
}

void THelpForm::keep_size() {
    if (size() == saved_size_) return;
    if (save_window_size(QString::fromLatin1(kSizeFile), size())) saved_size_ = size();
}

void THelpForm::show_page(const HelpPage& page) {
    RichEdit2->clear();
    RichEdit1->clear();
    QTextCharFormat title_format;
    title_format.setFontWeight(QFont::Bold);
    title_format.setForeground(Qt::black);
    QTextCursor tc(RichEdit2->document());
    tc.insertText(page.title, title_format);

    QTextCursor c(RichEdit1->document());
    QTextList* list = nullptr;
    bool first = true;
    for (const HelpLine& line : page.lines) {
        QTextBlockFormat block;
        QTextCharFormat ch;
        ch.setFontWeight(line.format.bold ? QFont::Bold : QFont::Normal);
        ch.setFontItalic(line.format.italic);
        ch.setFontUnderline(line.format.underline);
        ch.setFontPointSize(std::max(4, kBodyPointSize + line.format.size_delta));
        ch.setForeground(colour_of(line.format.colour));
        if (first) {
            c.setBlockFormat(block);
            c.setBlockCharFormat(ch);
            first = false;
        } else {
            c.insertBlock(block, ch);
        }
        if (line.format.bullet) {
            if (list) {
                list->add(c.block());
            } else {
                QTextListFormat lf;
                lf.setStyle(QTextListFormat::ListDisc);
                list = c.createList(lf);
            }
        } else {
            list = nullptr;
        }
        c.insertText(line.text, ch);
    }
    RichEdit1->moveCursor(QTextCursor::Start);
}

void THelpForm::layout_text_areas() {
    // Inside a margin, so that the window's frame never covers a line.
    const int w = std::max(0, width() - 2 * kMargin);
    RichEdit2->setGeometry(kMargin, kMargin, w, kTitleHeight);
    const int body_top = kMargin + kTitleHeight + kMargin;
    RichEdit1->setGeometry(kMargin, body_top, w, std::max(0, height() - body_top - kMargin));
}

void THelpForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_text_areas();
}

void THelpForm::closeEvent(QCloseEvent* event) {
    help_open = false;
    QWidget::closeEvent(event);
}

void THelpForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    keep_size();
}

}  // namespace cifrala
