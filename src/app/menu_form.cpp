#include "app/menu_form.h"

#include "practice/common/practice_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "app/calibration_form.h"
#include "app/memory_info.h"
#include "app/menu_widgets.h"
#include "app/topic_settings_table.h"
#include "text/help.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "text/textfile.h"
#include "text/translation.h"
#include "tools/key_glyphs.h"
#include "tools/tool_shortcuts.h"
#include "util/selection.h"

namespace cifrala {
namespace {

constexpr int kGroupWidth = 517;
constexpr int kGroupHeight = 316;
constexpr int kSettingsWidth = 1209;
constexpr int kSettingsHeight = 689;
constexpr int kButtonWidth = 245;
constexpr int kButtonHeight = 30;
constexpr int kRowPitch = 34;
constexpr int kRowsPerColumn = 8;
constexpr int kMenuFontPixels = 16;
constexpr int kMinFontPixels = 10;
const QColor kMenuColour(0, 255, 255);
const QString kSettingsFile = QStringLiteral("cifrala.def");

QFont menu_font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void set_background(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

QPoint group_origin(int level) {
    switch (level) {
        case 0:
            return {0, 0};
        case 1:
            return {4, 20};
        default:
            return {8, 40};
    }
}

// Where the i-th button of a group sits: two columns of eight, filled column
// by column; "Terug" takes the bottom right place.
QRect slot_rect(int index) {
    const int column = index / kRowsPerColumn;
    const int row = index % kRowsPerColumn;
    return {10 + column * (kButtonWidth + 7), 28 + row * kRowPitch, kButtonWidth, kButtonHeight};
}

}  // namespace

TAlle_rekenoefeningenForm::TAlle_rekenoefeningenForm(bool maintenance_mode, QWidget* parent)
    // An ordinary window, not one that stays on top: every practice window
    // opens on top of the menu and inherits its place in the stacking order,
    // and the floating windows (calculator, keyboard, help) must stay above them.
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      maintenance_(maintenance_mode) {
    setObjectName(QStringLiteral("Alle_rekenoefeningenForm"));
    setWindowTitle(QStringLiteral("Cifrala"));
    setFont(menu_font(kMenuFontPixels));
    set_background(this, QColor(0, 255, 255));
    // Each group box is a framed card with its title in the frame, so the
    // stacked groups read as layers.
    setStyleSheet(QStringLiteral(
        "#Alle_rekenoefeningenForm > QGroupBox { border: 2px solid #007b8a; "
        "border-radius: 6px; background: #00ffff; margin-top: 10px; }"
        "#Alle_rekenoefeningenForm > QGroupBox::title { subcontrol-origin: margin; left: 10px; "
        "padding: 0 4px; background: #00ffff; }"));

    calibrated_bottom = -1;
    background_colour = kAqua;
    selection.integration_kind = -1;

    build_basic_menu();
    build_groups();
    build_language_group();
    build_settings_panel();
    register_texts();
    install_tool_shortcuts(this);
    add_language_listener(this, [this] {
        sync_language_radio();
        mark_unavailable_buttons();
        layout_settings_panel();
    });
    fit_to_visible_groups();
}

QGroupBox* TAlle_rekenoefeningenForm::make_group(int number, const QString& caption,
                                                 const QRect& geometry) {
    auto* g = new MenuGroupBox(caption, kMenuColour, this);
    g->setObjectName(QStringLiteral("GroupBox%1").arg(number));
    g->setGeometry(geometry);
    set_background(g, kMenuColour);
    g->setFont(menu_font(kMenuFontPixels, true));
    groups_[number] = g;
    return g;
}

QPushButton* TAlle_rekenoefeningenForm::make_button(QWidget* parent, const char* name,
                                                    const QString& caption, const QRect& geometry) {
    auto* b = new MenuButtonWidget(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    // One size for every button, at which every caption of both languages fits.
    b->setFont(menu_font(kMenuButtonFontPixels));
    buttons_[b->objectName()] = b;
    return b;
}

// --- construction -----------------------------------------------------------

void TAlle_rekenoefeningenForm::build_basic_menu() {
    QGroupBox* g = make_group(4, QStringLiteral("Basismenu"),
                              QRect(group_origin(0), QSize(kGroupWidth, kGroupHeight)));

    Panel2 = new QWidget(g);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(8, 26, 260, 5 * 32);
    struct Subject {
        const char* name;
        const char* caption;
        int opens;
    };
    const Subject subjects[] = {
        {"SpeedButton25", "Rekenen en Algebra", 1}, {"SpeedButton59", "Algebra en Analyse", 2},
        {"SpeedButton26", "Natuurkunde", 11},       {"SpeedButton58", "Economie", 12},
        {"SpeedButton130", "Aardrijkskunde", 16},
    };
    for (int i = 0; i < 5; ++i) {
        QPushButton* b =
            make_button(Panel2, subjects[i].name, QString::fromUtf8(subjects[i].caption),
                        QRect(0, i * 32, 250, kButtonHeight));
        const int opens = subjects[i].opens;
        connect(b, &QPushButton::clicked, this, [this, opens] { open_group(opens); });
    }

    auto add_button = [&](const char* name, const QString& caption, QRect r) {
        return make_button(g, name, caption, r);
    };
    auto* help = add_button("SpeedButton30", QString(), QRect(kGroupWidth - 44, 24, 34, 34));
    help->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    connect(help, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::SpeedButton30Click);

    // The calculator and the keyboard, left of the help button (F4, Shift+F4).
    const std::pair<const char*, Tool> tools[] = {{"CalculatorButton", Tool::Calculator},
                                                  {"KeyboardButton", Tool::Keyboard}};
    for (int i = 0; i < 2; ++i) {
        const auto [name, tool] = tools[i];
        auto* b = add_button(name, QString(), QRect(kGroupWidth - 44 - 38 * (i + 1), 24, 34, 34));
        b->setIcon(key_glyph_icon(
            tool == Tool::Calculator ? KeyGlyph::Calculator : KeyGlyph::Keyboard, QSize(24, 24)));
        b->setIconSize(QSize(24, 24));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, tool] { use_tool(this, tool); });
    }

    auto* lang = add_button("SpeedButton5", QStringLiteral("Taal (Language)"),
                            QRect(280, 66, 227, kButtonHeight));
    connect(lang, &QPushButton::clicked, this, [this] {
        open_group(7);
        repaint();
    });
    auto* cal = add_button("SpeedButton105", QStringLiteral("Calibreer schermhoogte"),
                           QRect(280, 100, 227, kButtonHeight));
    connect(cal, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::SpeedButton105Click);
    auto* settings = add_button("SpeedButton149", QStringLiteral("Instellingen"),
                                QRect(280, 134, 227, kButtonHeight));
    connect(settings, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::SpeedButton149Click);
    auto* stop = add_button("SpeedButton85", QStringLiteral("Stop"),
                            QRect(kGroupWidth - 110, kGroupHeight - 42, 100, 32));
    connect(stop, &QPushButton::clicked, this, [this] { done(0); });

    auto add_check = [&](QCheckBox*& box, const char* name, const char* caption, int y,
                         bool checked) {
        box = new QCheckBox(QString::fromUtf8(caption), g);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(10, y, 300, 24);
        box->setFont(menu_font(kMenuFontPixels));
        box->setChecked(checked);
    };
    add_check(CheckBox1, "CheckBox1", "Toon theorievensters", 196, true);
    add_check(CheckBox2, "CheckBox2", "Witte achtergrond", 222, false);
    add_check(CheckBox3, "CheckBox3", "Rekenvel verplaatsbaar", 248, true);
    program_options = ProgramOptions{};
    connect(CheckBox1, &QCheckBox::toggled, this,
            [](bool on) { program_options.show_theory_windows = on; });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] {
        program_options.white_background = CheckBox2->isChecked();
        background_colour = CheckBox2->isChecked() ? kWhite : kAqua;
    });
    connect(CheckBox3, &QCheckBox::toggled, this,
            [](bool on) { program_options.movable_worksheet = on; });

    if (maintenance_) {
        Button8 = add_button("Button8", QStringLiteral("Memory"), QRect(10, 282, 80, 24));
        Button9 =
            add_button("Button9", QStringLiteral("bestandscontrole"), QRect(96, 282, 150, 24));
        auto* hide = add_button("SpeedButton44", QString(), QRect(252, 282, 24, 24));
        Memo1 = new QPlainTextEdit(g);
        Memo1->setObjectName(QStringLiteral("Memo1"));
        Memo1->setGeometry(160, 30, 321, 241);
        Memo1->setReadOnly(true);
        Memo1->setFont(menu_font(11));
        Memo1->hide();
        Memo1->viewport()->installEventFilter(this);
        connect(Button8, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::Button8Click);
        connect(Button9, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::Button9Click);
        connect(hide, &QPushButton::clicked, this, [this, hide] {
            Button8->hide();
            Button9->hide();
            hide->hide();
        });
    }
}

void TAlle_rekenoefeningenForm::build_groups() {
    for (const MenuGroup& mg : menu_groups()) {
        if (mg.number == 4 || mg.number == 7) continue;
        make_group(mg.number, QString::fromUtf8(mg.caption),
                   QRect(group_origin(mg.level), QSize(kGroupWidth, kGroupHeight)))
            ->hide();
    }
    std::map<int, int> next_slot;
    for (const MenuButton& mb : menu_buttons()) {
        const int slot = mb.action == Action::Back ? 2 * kRowsPerColumn - 1 : next_slot[mb.group]++;
        QPushButton* b = make_button(groups_.at(mb.group), mb.name, QString::fromUtf8(mb.caption),
                                     slot_rect(slot));
        const MenuButton* def = &mb;
        connect(b, &QPushButton::clicked, this, [this, def] { run_button(*def); });
    }
}

void TAlle_rekenoefeningenForm::build_language_group() {
    QGroupBox* g = make_group(7, QStringLiteral("Kies taal"),
                              QRect(group_origin(1), QSize(kGroupWidth, kGroupHeight)));
    g->hide();
    RadioButton1 = new QRadioButton(QStringLiteral("Nederlands"), g);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(30, 50, 300, 28);
    RadioButton1->setChecked(true);
    RadioButton1->setFont(menu_font(kMenuFontPixels));
    RadioButton2 = new QRadioButton(QStringLiteral("English"), g);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(30, 90, 300, 28);
    RadioButton2->setFont(menu_font(kMenuFontPixels));
    Button1 = make_button(g, "Button1", QStringLiteral("OK"), QRect(30, 140, 100, 32));
    connect(Button1, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::Button1Click);
}

void TAlle_rekenoefeningenForm::build_settings_panel() {
    QGroupBox* g = make_group(19, QStringLiteral("Instellingen"),
                              QRect(group_origin(1), QSize(kSettingsWidth, kSettingsHeight)));
    g->hide();

    for (const TopicBox& tb : topic_boxes()) {
        const int number = tb.number;
        auto* box = new QCheckBox(QString::fromUtf8(tb.caption), g);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
        topic_boxes_[number] = box;
        connect(box, &QCheckBox::toggled, this,
                [this, number](bool checked) { topic_box_toggled(number, checked); });
        if (number == 74 || number == 75) box->installEventFilter(this);
    }
    layout_settings_panel();
    auto add = [&](const char* name, const QString& caption, int x) {
        return make_button(g, name, caption, QRect(x, kSettingsHeight - 46, 170, 34));
    };
    connect(add("SpeedButton150", QStringLiteral("OK"), 10), &QPushButton::clicked, this,
            &TAlle_rekenoefeningenForm::SpeedButton150Click);
    connect(add("SpeedButton151", QStringLiteral("Check alles"), 190), &QPushButton::clicked, this,
            [this] { check_all(true); });
    connect(add("SpeedButton152", QStringLiteral("Uncheck alles"), 370), &QPushButton::clicked,
            this, [this] { check_all(false); });
    auto* help = add("SpeedButton153", QString(), kSettingsWidth - 54);
    help->setGeometry(kSettingsWidth - 54, kSettingsHeight - 46, 40, 34);
    help->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    connect(help, &QPushButton::clicked, this, [] { request_help(733); });
}

// Columns by subject: subjects bold, groups italic, members indented. Each
// column is as wide as its longest caption; when the columns do not fit the
// panel, the font gets smaller.
void TAlle_rekenoefeningenForm::layout_settings_panel() {
    static const std::vector<std::vector<int>> columns = {
        {89, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
        {26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37},
        {90, 39, 40, 41, 42, 43, 44, 45, 46, 48, 49, 50, 51, 52, 53, 54, 88, 47, 55, 56, 92, 93},
        {57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 91},
        {4, 38, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87},
    };
    auto indent_of = [](const TopicBox* tb) {
        if (tb->kind == TopicBoxKind::Subject) return 0;
        if (tb->kind == TopicBoxKind::Group) return 10;
        return find_topic_box(tb->member_of)->kind == TopicBoxKind::Subject ? 10 : 24;
    };
    constexpr int kGap = 8;
    constexpr int kRowHeight = 25;
    for (int pixels = 14;; --pixels) {
        std::vector<int> widths;
        for (const auto& column : columns) {
            int w = 0;
            for (int number : column) {
                const TopicBox* tb = find_topic_box(number);
                QCheckBox* box = topic_box(number);
                QFont f = menu_font(pixels);
                f.setBold(tb->kind == TopicBoxKind::Subject);
                f.setItalic(tb->kind == TopicBoxKind::Group);
                box->setFont(f);
                w = std::max(w, indent_of(tb) + box->sizeHint().width());
            }
            widths.push_back(w);
        }
        int total = 10;
        for (int w : widths)
            total += w + kGap;
        if (total > kSettingsWidth - 10 && pixels > kMinFontPixels) continue;
        int x = 10;
        for (size_t c = 0; c < columns.size(); ++c) {
            int y = 28;
            for (int number : columns[c]) {
                const TopicBox* tb = find_topic_box(number);
                if (tb->kind == TopicBoxKind::Subject && y > 28) y += 8;
                const int indent = indent_of(tb);
                topic_box(number)->setGeometry(x + indent, y, widths[c] - indent, kRowHeight - 1);
                y += kRowHeight;
            }
            x += widths[c] + kGap;
        }
        return;
    }
}

// Every control's texts are registered for the language passes and put on it
// at once, so that the hints (which have no built-in text) are there in
// Dutch as well.
void TAlle_rekenoefeningenForm::register_texts() {
    constexpr auto W = TranslatedWindow::Menu;
    auto add = [](QWidget* control, TextKind kind, int tag) {
        register_control_now(W, control, kind, tag);
    };
    for (const MenuGroup& mg : menu_groups())
        if (mg.tag != 0) add(groups_.at(mg.number), TextKind::GroupBox, mg.tag);
    add(groups_.at(19), TextKind::GroupBox, 1708);
    const std::pair<const char*, int> basic[] = {
        {"SpeedButton25", 1693},  {"SpeedButton59", 1695},  {"SpeedButton26", 2382},
        {"SpeedButton58", 2383},  {"SpeedButton130", 1711}, {"SpeedButton5", 1692},
        {"SpeedButton105", 1712}, {"SpeedButton149", 1708}, {"SpeedButton151", 1709},
        {"SpeedButton152", 1710}};
    for (const auto& [name, tag] : basic)
        add(buttons_.at(QString::fromLatin1(name)), TextKind::SpeedButtonWithHint, tag);
    // Buttons without an entry of their own keep their caption and get a hint.
    const std::pair<const char*, int> hint_only[] = {
        {"SpeedButton30", menu_tags::kHelpHint},
        {"SpeedButton85", menu_tags::kStopHint},
        {"SpeedButton150", menu_tags::kSettingsOkHint},
        {"SpeedButton153", menu_tags::kSettingsHelpHint},
        {"SpeedButton44", menu_tags::kHideMaintenanceHint},
        {"CalculatorButton", menu_tags::kCalculatorHint},
        {"KeyboardButton", menu_tags::kKeyboardHint}};
    for (const auto& [name, tag] : hint_only)
        if (QPushButton* b = button(QString::fromLatin1(name))) add(b, TextKind::HintOnly, tag);
    for (const MenuButton& mb : menu_buttons()) {
        QPushButton* b = buttons_.at(QString::fromLatin1(mb.name));
        if (mb.tag != 0) {
            add(b, TextKind::SpeedButtonWithHint, mb.tag);
        } else if (mb.hint_tag != 0) {
            add(b, TextKind::HintOnly, mb.hint_tag);
        }
    }
    add(Button1, TextKind::Button, menu_tags::kLanguageOk);
    if (Button8) add(Button8, TextKind::Button, menu_tags::kMemory);
    if (Button9) add(Button9, TextKind::Button, menu_tags::kFileCheck);
    add(CheckBox1, TextKind::CheckBox, 571);
    add(CheckBox2, TextKind::CheckBox, 572);
    add(CheckBox3, TextKind::CheckBox, 573);
    add(RadioButton1, TextKind::RadioButton, 2111);
    for (const auto& [number, box] : topic_boxes_)
        add(box, TextKind::CheckBox, 600 + number);
}

// --- groups and buttons -----------------------------------------------------

QGroupBox* TAlle_rekenoefeningenForm::group(int number) const {
    auto it = groups_.find(number);
    return it == groups_.end() ? nullptr : it->second;
}

QPushButton* TAlle_rekenoefeningenForm::button(const QString& name) const {
    auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

QCheckBox* TAlle_rekenoefeningenForm::topic_box(int number) const {
    auto it = topic_boxes_.find(number);
    return it == topic_boxes_.end() ? nullptr : it->second;
}

void TAlle_rekenoefeningenForm::press(const QString& name) {
    if (QPushButton* b = button(name)) b->click();
}

void TAlle_rekenoefeningenForm::open_group(int number) {
    QGroupBox* g = group(number);
    if (!g) return;
    g->show();
    g->raise();
    fit_to_visible_groups();
}

void TAlle_rekenoefeningenForm::close_group(int number) {
    if (QGroupBox* g = group(number)) g->hide();
    fit_to_visible_groups();
}

void TAlle_rekenoefeningenForm::fit_to_visible_groups() {
    QRect r;
    for (const auto& [n, g] : groups_)
        if (!g->isHidden()) r = r.united(g->geometry());
    setFixedSize(r.right() + 1, r.bottom() + 1);
}

void TAlle_rekenoefeningenForm::run_button(const MenuButton& b) {
    switch (b.action) {
        case Action::OpenGroup:
            if (b.category != kKeep) selection.category_code = b.category;
            open_group(b.opens);
            return;
        case Action::Back:
            if (b.group == 8) selection.integration_kind = -1;
            close_group(b.group);
            return;
        case Action::Topic:
            break;
    }
    SelectionValues& s = selection;
    if (b.topic != kKeep) s.topic_code = b.topic;
    if (b.category != kKeep) s.category_code = b.category;
    if (b.integration != kKeep) s.integration_kind = s.integration_choice = b.integration;
    if (b.chain_rule != kKeep) s.chain_rule_choice = b.chain_rule;
    if (b.function_type_preset != kKeep) s.function_type_preset = b.function_type_preset != 0;
    if (b.solve_as_equation != kKeep) s.solve_as_equation = b.solve_as_equation != 0;
    if (b.clear_previous_exercise) s.previous_exercise_stored = false;
    last_presets_ = b.presets;
    last_target_ = b.target;
    auto handler = preset_handlers_.find(b.target);
    if (handler != preset_handlers_.end() && handler->second)
        for (Preset p : b.presets)
            handler->second(p);
    if (b.division_bites_from_window && division_bites_query_)
        s.division_in_bites = division_bites_query_();
    show_target(b.target);
}

void TAlle_rekenoefeningenForm::show_target(Target target) {
    if (show_target_hook_) {
        show_target_hook_(target);
        return;
    }
    auto it = targets_.find(target);
    // A window that has no built mode for the topic is as good as none.
    auto* practice = it == targets_.end() ? nullptr : qobject_cast<PracticeWindow*>(it->second);
    if (it == targets_.end() || it->second == nullptr ||
        (practice && !practice->serves(selection.topic_code, selection.category_code))) {
        show_message(msg(4900));
        return;
    }
    it->second->exec();
}

void TAlle_rekenoefeningenForm::set_target_window(Target target, QDialog* window) {
    targets_[target] = window;
}
void TAlle_rekenoefeningenForm::set_preset_handler(Target target,
                                                   std::function<void(Preset)> handler) {
    preset_handlers_[target] = std::move(handler);
}
void TAlle_rekenoefeningenForm::set_division_bites_query(std::function<bool()> query) {
    division_bites_query_ = std::move(query);
}
void TAlle_rekenoefeningenForm::set_show_target_hook(std::function<void(Target)> hook) {
    show_target_hook_ = std::move(hook);
}
void TAlle_rekenoefeningenForm::set_unavailable_query(
    std::function<QString(const MenuButton&)> query) {
    unavailable_query_ = std::move(query);
    mark_unavailable_buttons();
}

void TAlle_rekenoefeningenForm::mark_unavailable_buttons() {
    if (!unavailable_query_) return;
    for (const MenuButton& mb : menu_buttons()) {
        if (mb.action != Action::Topic) continue;
        const QString caption = unavailable_query_(mb);
        QPushButton* b = button(QString::fromLatin1(mb.name));
        if (caption.isEmpty() || !b) continue;
        b->setText(caption);
        b->setEnabled(false);
    }
}

void TAlle_rekenoefeningenForm::add_calibration_listener(std::function<void(int)> listener) {
    calibration_listeners_.push_back(std::move(listener));
}
void TAlle_rekenoefeningenForm::add_language_confirm_listener(std::function<void()> listener) {
    language_confirm_listeners_.push_back(std::move(listener));
}

// --- showing and ending -------------------------------------------------------

void TAlle_rekenoefeningenForm::first_show() {
    selection.chain_rule_choice = -1;
    selection.integration_choice = -1;
    if (QScreen* s = screen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - kGroupWidth) / 2, r.y() + (r.height() - kGroupHeight) / 2);
    }
    init();
}

void TAlle_rekenoefeningenForm::closeEvent(QCloseEvent* event) {
    // The window manager's close button ends the program as "Stop" does.
    show_message(QStringLiteral("closing"));
    event->accept();
    done(0);
}

void TAlle_rekenoefeningenForm::reject() {}

bool TAlle_rekenoefeningenForm::eventFilter(QObject* watched, QEvent* event) {
    if (Memo1 && watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Memo1->hide();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        if (watched == topic_box(75)) {
            request_help(734);
            return true;
        }
        if (watched == topic_box(74)) {
            request_help(735);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- basic menu commands ------------------------------------------------------

void TAlle_rekenoefeningenForm::SpeedButton30Click() {
    request_help(695);
}

void TAlle_rekenoefeningenForm::Button1Click() {
    language_index = RadioButton1->isChecked() ? 0 : 1;
    save_language_choice(language_index);  // for the next start
    for (const auto& l : language_confirm_listeners_)
        l();
    close_group(7);
    apply_language();
}

void TAlle_rekenoefeningenForm::sync_language_radio() {
    (language_index == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
}

void TAlle_rekenoefeningenForm::Button8Click() {
    if (!Memo1) return;
    Memo1->setVisible(Memo1->isHidden());
    if (!Memo1->isHidden()) {
        Memo1->setPlainText(memory_report_lines().join('\n'));
        Memo1->raise();
    }
}

void TAlle_rekenoefeningenForm::Button9Click() {
    report_missing = true;
    missing_count = 0;
    apply_language();
    check_message_files();
    if (missing_count == 0) show_message(QStringLiteral("no message missing in translation"));
    report_missing = false;
}

void TAlle_rekenoefeningenForm::SpeedButton105Click() {
    TschermhoogteForm form(this);
    form.exec();
    if (calibrated_bottom < 0) return;
    for (const auto& l : calibration_listeners_)
        l(calibrated_bottom);
}

// --- topic settings -------------------------------------------------------------

void TAlle_rekenoefeningenForm::SpeedButton149Click() {
    saved_position_ = pos();
    move(0, 0);
    open_group(19);
}

void TAlle_rekenoefeningenForm::SpeedButton150Click() {
    move(saved_position_);
    check_hoofdmenus();
    overhevelen();
    sla_voorkeuren_op();
    close_group(19);
}

void TAlle_rekenoefeningenForm::topic_box_toggled(int number, bool checked) {
    if (checked) return;
    const TopicBox* tb = find_topic_box(number);
    if (!tb || tb->kind == TopicBoxKind::Topic) return;
    // Unticking a member that is a group fires that group's own action.
    for (int member : topic_box_members(number))
        topic_box(member)->setChecked(false);
}

void TAlle_rekenoefeningenForm::check_all(bool value) {
    for (const TopicBox& tb : topic_boxes())
        topic_box(tb.number)->setChecked(value);
}

void TAlle_rekenoefeningenForm::check_hoofdmenus() {
    for (const HoofdmenuRule& rule : hoofdmenu_rules()) {
        bool any = false;
        for (int m : rule.members)
            any = any || topic_box(m)->isChecked();
        topic_box(rule.box)->setChecked(any);
    }
}

void TAlle_rekenoefeningenForm::overhevelen() {
    for (const TopicBox& tb : topic_boxes()) {
        if (QPushButton* b = button(QString::fromLatin1(tb.button)))
            b->setVisible(topic_box(tb.number)->isChecked());
    }
}

void TAlle_rekenoefeningenForm::load_settings() {
    // The teacher's own settings first, then the default that came with the program.
    if (open_read_user_file(kSettingsFile)) {
        // Every box starts ticked, so that a "-" for a subject or group unticks
        // its members that come before it in the file.
        for (const TopicBox& tb : topic_boxes()) {
            const QSignalBlocker quiet(topic_box(tb.number));
            topic_box(tb.number)->setChecked(true);
        }
        for (const TopicBox& tb : topic_boxes())
            topic_box(tb.number)->setChecked(read_line() == QStringLiteral("+"));
        close_read_file();
    } else {
        check_all(true);
    }
}

void TAlle_rekenoefeningenForm::init() {
    load_settings();
    overhevelen();
    close_group(19);
}

void TAlle_rekenoefeningenForm::sla_voorkeuren_op() {
    if (!open_write_file(user_config_dir(), kSettingsFile)) return;
    for (const TopicBox& tb : topic_boxes())
        write_line(topic_box(tb.number)->isChecked() ? QStringLiteral("+") : QStringLiteral("-"));
    close_write_file();
}

}  // namespace cifrala
