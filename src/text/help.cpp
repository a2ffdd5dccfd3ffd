#include "text/help.h"

#include <QApplication>
#include <QPointer>

#include "text/big_message_form.h"
#include "text/floating_window.h"
#include "text/help_form.h"
#include "text/language.h"
#include "text/notify.h"

namespace cifrala {

int help_number = 0;
bool help_open = false;

namespace {

QPointer<THelpForm>& form_ref() {
    static QPointer<THelpForm> f;
    return f;
}

THelpForm* form() {
    if (!form_ref()) form_ref() = new THelpForm(nullptr);
    return form_ref();
}

// Gives the help window a new owner window, keeping it usable while that
// window runs modally and in front of it.
void reparent_to(QWidget* owner) {
    THelpForm* f = form();
    if (f->parentWidget() == owner) return;
    const bool visible = f->isVisible();
    const QRect geometry = f->geometry();
    f->setParent(owner, f->windowFlags() | Qt::Window);
    f->setGeometry(geometry);
    if (visible) f->show();
}

}  // namespace

void show_help(int n) {
    if (!help_open) return;
    THelpForm* f = form();
    f->show_page(load_help_page(language_prefix + QStringLiteral("hlp"), n));
    // In front of the window that asked, without taking its keys.
    show_floating(f);
}

void set_help_number(int page) {
    show_help(page);
    help_number = page;
}

void request_help(int page) {
    if (QWidget* modal = QApplication::activeModalWidget()) reparent_to(modal);
    set_help_number(page);
    help_open = true;
    show_help(help_number);
    form()->layout_text_areas();
}

void attach_help_to(QWidget* window) {
    reparent_to(window);
    if (help_open && form()->isVisible()) form()->raise();
}

void raise_help() {
    if (help_open && form_ref() && form_ref()->isVisible()) form_ref()->raise();
}

void close_help() {
    help_open = false;
    if (form_ref()) form_ref()->hide();
}

THelpForm* help_form() {
    return form();
}

void show_big_message(const QString& a, const QString& b, const QString& c, const QString& d) {
    show_big_message_lines(a, b, c, d);
}

void install_big_message_window(TGrootMessageForm* window) {
    set_big_message_window([window](const QString& a, const QString& b, const QString& c,
                                    const QString& d) { window->showmessageGROOT(a, b, c, d); });
}

}  // namespace cifrala
