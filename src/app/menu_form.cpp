#include "app/menu_form.h"

#include "practice/common/practice_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
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
#include "app/topic_settings_table.h"
#include "text/help.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "text/textfile.h"
#include "text/translation.h"
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
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
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
    add_language_listener(this, [this] {
        sync_language_radio();
        mark_unavailable_buttons();
        fit_captions();
        layout_settings_panel();
    });
    fit_captions();
    fit_to_visible_groups();
}

// --- construction -----------------------------------------------------------

void TAlle_rekenoefeningenForm::build_basic_menu() {
    auto* g = new QGroupBox(QStringLiteral("Basismenu"), this);
    g->setObjectName(QStringLiteral("GroupBox4"));
    g->setGeometry(QRect(group_origin(0), QSize(kGroupWidth, kGroupHeight)));
    set_background(g, QColor(0, 255, 255));
    g->setFont(menu_font(kMenuFontPixels, true));
    groups_[4] = g;

    Panel2 = new QWidget(g);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(8, 26, 260, 5 * 32);
    struct Subject {
        const char* name;
        const char* caption;
        int opens;
        const char* hint;
    };
    const Subject subjects[] = {
        {"SpeedButton25", "Rekenen en Algebra", 1, "met uitleg!"},
        {"SpeedButton59", "Algebra en Analyse", 2, "met uitleg!"},
        {"SpeedButton26", "Natuurkunde", 11, nullptr},
        {"SpeedButton58", "Economie", 12, nullptr},
        {"SpeedButton130", "Aardrijkskunde", 16, nullptr},
    };
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(subjects[i].caption), Panel2);
        b->setObjectName(QString::fromLatin1(subjects[i].name));
        b->setGeometry(0, i * 32, 250, kButtonHeight);
        if (subjects[i].hint) b->setToolTip(QString::fromUtf8(subjects[i].hint));
        const int opens = subjects[i].opens;
        connect(b, &QPushButton::clicked, this, [this, opens] { open_group(opens); });
        buttons_[b->objectName()] = b;
    }

    auto add_button = [&](const char* name, const QString& caption, QRect r) {
        auto* b = new QPushButton(caption, g);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(r);
        buttons_[b->objectName()] = b;
        return b;
    };
    auto* help = add_button("SpeedButton30", QString(), QRect(kGroupWidth - 44, 24, 34, 34));
    help->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    help->setToolTip(QStringLiteral("Help"));
    connect(help, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::SpeedButton30Click);

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
        for (QPushButton* b : {Button8, Button9, hide})
            b->setFont(menu_font(11));
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
        auto* g = new QGroupBox(QString::fromUtf8(mg.caption), this);
        g->setObjectName(QStringLiteral("GroupBox%1").arg(mg.number));
        g->setGeometry(QRect(group_origin(mg.level), QSize(kGroupWidth, kGroupHeight)));
        set_background(g, QColor(0, 255, 255));
        g->setFont(menu_font(kMenuFontPixels, true));
        g->hide();
        groups_[mg.number] = g;
    }
    std::map<int, int> next_slot;
    for (const MenuButton& mb : menu_buttons()) {
        QGroupBox* g = groups_.at(mb.group);
        auto* b = new QPushButton(QString::fromUtf8(mb.caption), g);
        b->setObjectName(QString::fromLatin1(mb.name));
        const int slot = mb.action == Action::Back ? 2 * kRowsPerColumn - 1 : next_slot[mb.group]++;
        b->setGeometry(slot_rect(slot));
        if (mb.hint) b->setToolTip(QString::fromUtf8(mb.hint));
        const MenuButton* def = &mb;
        connect(b, &QPushButton::clicked, this, [this, def] { run_button(*def); });
        buttons_[b->objectName()] = b;
    }
}

void TAlle_rekenoefeningenForm::build_language_group() {
    auto* g = new QGroupBox(QStringLiteral("Kies taal"), this);
    g->setObjectName(QStringLiteral("GroupBox7"));
    g->setGeometry(QRect(group_origin(1), QSize(kGroupWidth, kGroupHeight)));
    set_background(g, QColor(0, 255, 255));
    g->setFont(menu_font(kMenuFontPixels, true));
    g->hide();
    groups_[7] = g;
    RadioButton1 = new QRadioButton(QStringLiteral("Nederlands"), g);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(30, 50, 300, 28);
    RadioButton1->setChecked(true);
    RadioButton1->setFont(menu_font(kMenuFontPixels));
    RadioButton2 = new QRadioButton(QStringLiteral("English"), g);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(30, 90, 300, 28);
    RadioButton2->setFont(menu_font(kMenuFontPixels));
    Button1 = new QPushButton(QStringLiteral("OK"), g);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(30, 140, 100, 32);
    connect(Button1, &QPushButton::clicked, this, &TAlle_rekenoefeningenForm::Button1Click);
}

void TAlle_rekenoefeningenForm::build_settings_panel() {
    auto* g = new QGroupBox(QStringLiteral("Instellingen"), this);
    g->setObjectName(QStringLiteral("GroupBox19"));
    g->setGeometry(QRect(group_origin(1), QSize(kSettingsWidth, kSettingsHeight)));
    set_background(g, QColor(0, 255, 255));
    g->setFont(menu_font(kMenuFontPixels, true));
    g->hide();
    groups_[19] = g;

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
        auto* b = new QPushButton(caption, g);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, kSettingsHeight - 46, 170, 34);
        buttons_[b->objectName()] = b;
        return b;
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
    help->setToolTip(QStringLiteral("Help"));
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

void TAlle_rekenoefeningenForm::register_texts() {
    constexpr auto W = TranslatedWindow::Menu;
    for (const MenuGroup& mg : menu_groups())
        if (mg.tag != 0) register_control(W, groups_.at(mg.number), TextKind::GroupBox, mg.tag);
    register_control(W, groups_.at(19), TextKind::GroupBox, 1708);
    const std::pair<const char*, int> basic[] = {
        {"SpeedButton25", 1693},  {"SpeedButton59", 1695},  {"SpeedButton26", 2382},
        {"SpeedButton58", 2383},  {"SpeedButton130", 1711}, {"SpeedButton5", 1692},
        {"SpeedButton105", 1712}, {"SpeedButton149", 1708}, {"SpeedButton151", 1709},
        {"SpeedButton152", 1710}};
    for (const auto& [name, tag] : basic)
        register_control(W, buttons_.at(QString::fromLatin1(name)), TextKind::SpeedButton, tag);
    for (const MenuButton& mb : menu_buttons()) {
        if (mb.tag == 0) continue;
        register_control(W, buttons_.at(QString::fromLatin1(mb.name)),
                         mb.hint_translated ? TextKind::SpeedButtonWithHint : TextKind::SpeedButton,
                         mb.tag);
    }
    register_control(W, CheckBox1, TextKind::CheckBox, 571);
    register_control(W, CheckBox2, TextKind::CheckBox, 572);
    register_control(W, CheckBox3, TextKind::CheckBox, 573);
    register_control(W, RadioButton1, TextKind::RadioButton, 2111);
    for (const auto& [number, box] : topic_boxes_)
        register_control(W, box, TextKind::CheckBox, 600 + number);
}

// Every caption must fit its button: a group whose longest caption is too
// wide gets a smaller font for all its buttons, so a group reads evenly.
void TAlle_rekenoefeningenForm::fit_captions() {
    std::map<QWidget*, std::vector<QPushButton*>> by_parent;
    for (const auto& [name, b] : buttons_) {
        if (b->text().isEmpty() || name.startsWith(QLatin1String("Button"))) continue;
        by_parent[b->parentWidget()].push_back(b);
    }
    for (auto& [parent, list] : by_parent) {
        int pixels = kMenuFontPixels;
        for (; pixels > kMinFontPixels; --pixels) {
            const QFontMetrics fm(menu_font(pixels));
            bool fits = true;
            for (QPushButton* b : list)
                fits = fits && fm.horizontalAdvance(b->text()) + 14 <= b->width();
            if (fits) break;
        }
        for (QPushButton* b : list)
            b->setFont(menu_font(pixels));
    }
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
    fit_captions();
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
    show_message(QStringLiteral("closing"));
    QDialog::closeEvent(event);
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
    // The pupil's own settings first, then the default that came with the program.
    const QString user_file = user_config_dir() + '/' + kSettingsFile;
    const bool opened = (QFileInfo::exists(user_file) && open_read_file(user_file, false)) ||
                        open_read_file(kSettingsFile, false);
    if (opened) {
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
