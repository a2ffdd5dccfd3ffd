// The controls of the multi-topic window besides the standard ones: the
// topic lists of the group "Type", the decimals panel, the options of single
// topics, the structure group of the sinusoid drawing, the bottom strip, the
// number line and the speech cloud.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/long_division/division_style.h"
#include "practice/multitopic/diffketting_form.h"
#include "practice/multitopic/multitopic_texts.h"

namespace cifrala {

using namespace multitopic_tags;

namespace {

constexpr int kBottomRow = 683;
constexpr int kListWidth = 128;
constexpr int kListHeight = 24;
constexpr int kSinusoidTypes = 14;

// The sinusoid formula types of the trigonometric equations.
const char* const kSinusoidTypeItems[kSinusoidTypes] = {" 1)     a sin ( x ) + d ",
                                                        " 2)     a cos ( x ) + d ",
                                                        " 3)     sin ( b x ) ",
                                                        " 4)     cos ( b x ) ",
                                                        " 5)     a sin ( b x ) + d ",
                                                        " 6)     a cos ( b x ) + d ",
                                                        " 7)     sin ( x - c ) ",
                                                        " 8)     cos ( x - c ) ",
                                                        " 9)     a sin ( b ( x - c )) + d ",
                                                        "10)    a cos ( b ( x - c )) + d ",
                                                        "11)    tan ( b x ) ",
                                                        "12)    a tan ( b ( x - c )) + d ",
                                                        "13)    sin = cos ",
                                                        "14)    sin cos tan"};

// Radio buttons side by side in `box`, named and with their captions.
std::vector<QRadioButton*> radio_row(
    QWidget* box, std::initializer_list<std::pair<const char*, const char*>> buttons) {
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(2);
    std::vector<QRadioButton*> out;
    for (const auto& [name, caption] : buttons) {
        auto* r = new QRadioButton(QString::fromUtf8(caption), box);
        r->setObjectName(QString::fromLatin1(name));
        row->addWidget(r);
        out.push_back(r);
    }
    return out;
}

}  // namespace

void TdiffkettingForm::create_type_lists() {
    GroupBox2 = new QGroupBox(QStringLiteral("Type"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    // The built-in items are the Dutch ones; a language pass replaces them.
    auto list = [this](const QString& name, int tag, std::initializer_list<const char*> items) {
        auto* box = new QComboBox(GroupBox2);
        box->setObjectName(name);
        for (const char* item : items)
            box->addItem(QString::fromUtf8(item));
        box->resize(kListWidth, kListHeight);
        box->view()->setMinimumWidth(220);
        if (tag > 0)
            register_combo(TranslatedWindow::MultiTopic, box, tag, static_cast<int>(items.size()));
        add_shared_keys(box);
        connect(box, &QComboBox::activated, this, [this] { option_click(); });
        return box;
    };
    ComboBox1 = list(QStringLiteral("ComboBox1"), 0, {});
    for (const char* item : kSinusoidTypeItems)
        ComboBox1->addItem(QString::fromLatin1(item));
    ComboBox1->resize(210, kListHeight);
    ComboBox2 = list(QStringLiteral("ComboBox2"), kOperations,
                     {"1   Optellen", "2   Aftrekken", "3   Vermenigvuldigen", "4   Door elkaar"});
    ComboBox4 = list(QStringLiteral("ComboBox4"), kPercentMethods,
                     {"1    Via 1 %", "2    Handiger", "3    Vergelijking", "4    In één keer"});
    ComboBox5 = list(QStringLiteral("ComboBox5"), kFunctionTypes,
                     {"1   lineaire functie", "2   exponentiële functie", "3   sinusoïde",
                      "4   parabool", "5   wortelfunctie", "6   hyperbool"});
    ComboBox6 =
        list(QStringLiteral("ComboBox6"), kDomainTypes, {"1   wortelfunctie", "2   hyperbool"});
    ComboBox7 = list(QStringLiteral("ComboBox7"), kSolveTypes,
                     {"1   Lineaire functie", "2   Kwadratische functie", "3   Machtsfunctie",
                      "4   Exponentiële functie", "5   Logaritmische functie",
                      "6   Gebroken functie", "7   Door elkaar"});
    ComboBox8 = list(QStringLiteral("ComboBox8"), kSymmetryKinds,
                     {"1   Lijnsymmetrie", "2   Puntsymmetrie"});
    ComboBox9 = list(QStringLiteral("ComboBox9"), kSymmetricFunctions,
                     {"1   Veeltermfunctie", "2   Goniometrische functie"});
    // Function types 3 to 6 have no levels; the sinusoid has its structure.
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, [this] {
        const int type = list_value(ComboBox5);
        hint_check->setVisible(type != 3);
        level_group->setVisible(type < 3);
        if (type == 3) GroupBox3->show();
    });

    Panel6 = new QFrame(GroupBox2);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    const auto kinds =
        radio_row(Panel6, {{"RadioButton11", "Rekenkundig"}, {"RadioButton12", "Meetkundig"}});
    RadioButton11 = kinds[0];
    RadioButton12 = kinds[1];
    RadioButton11->setChecked(true);
    for (QRadioButton* r : kinds)
        add_option_control(r);
    register_text(RadioButton11, TextKind::RadioButton, kArithmetic);
    register_text(RadioButton12, TextKind::RadioButton, kGeometric);
    Panel6->resize(200, kListHeight);

    Panel7 = new QFrame(GroupBox2);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Edit13 = new QLineEdit(QStringLiteral("1"), Panel7);
    Edit13->setObjectName(QStringLiteral("Edit13"));
    Edit13->setGeometry(0, 0, 36, kListHeight);
    Label7 =
        make_label(Panel7, QStringLiteral("Label7"), QStringLiteral("= Rangnummer beginterm"), 9);
    Label7->setGeometry(40, 0, 170, kListHeight);
    register_text(Label7, TextKind::Label, kRankLabel);
    Panel7->resize(212, kListHeight);

    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    fill_practice_yellow(Panel5);
    Label5 = make_label(Panel5, QStringLiteral("Label5"), QStringLiteral("Aantal decimalen"), 9);
    Label5->setGeometry(2, 0, 130, 32);
    register_text(Label5, TextKind::Label, kDecimalsLabel);
    ComboBox3 = new QComboBox(Panel5);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    for (int i = 0; i <= 8; ++i)
        ComboBox3->addItem(QString::number(i));
    ComboBox3->setGeometry(134, 4, 48, kListHeight);
    add_shared_keys(ComboBox3);
    connect(ComboBox3, &QComboBox::activated, this, [this](int index) {
        settings_while_shown().set_decimals(index);
        option_click();
    });
    Panel5->resize(186, 34);
}

void TdiffkettingForm::create_option_controls() {
    auto check = [this](QCheckBox*& box, const QString& name, const QString& caption, int tag) {
        box = new QCheckBox(caption, this);
        box->setObjectName(name);
        add_option_control(box);
        if (tag > 0) register_text(box, TextKind::CheckBox, tag);
        box->hide();
    };
    check(CheckBox3, QStringLiteral("CheckBox3"), QStringLiteral("Weegschaalmethode"), kWeighing);
    check(CheckBox6, QStringLiteral("CheckBox6"), QStringLiteral("Ook haakjes"), kAlsoBrackets);
    check(CheckBox7, QStringLiteral("CheckBox7"), QStringLiteral("Noemer uitwerken"),
          kWorkOutDenominator);
    check(CheckBox8, QStringLiteral("CheckBox8"), QStringLiteral("Exact"), 0);
    CheckBox8->setChecked(true);
    CheckBox3->setGeometry(380, kBottomRow - 2, 140, 20);
    CheckBox6->setGeometry(380, kBottomRow + 18, 140, 20);
    CheckBox7->setGeometry(380, kBottomRow + 18, 140, 20);
    CheckBox8->setGeometry(380, kBottomRow + 8, 100, 20);

    GroupBox5 = new QGroupBox(QStringLiteral("Aanpak"), this);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    const auto approaches = radio_row(
        GroupBox5, {{"RadioButton9", "Traditioneel"}, {"RadioButton10", "Eerst op één periode"}});
    RadioButton9 = approaches[0];
    RadioButton10 = approaches[1];
    RadioButton9->setChecked(true);
    for (QRadioButton* r : approaches)
        add_option_control(r);
    register_text(GroupBox5, TextKind::GroupBox, kApproachGroup);
    register_text(RadioButton9, TextKind::RadioButton, kTraditional);
    register_text(RadioButton10, TextKind::RadioButton, kOnePeriodFirst);
    GroupBox5->setGeometry(524, kBottomRow - 3, 274, 42);
    GroupBox5->hide();
}

void TdiffkettingForm::create_structure_group() {
    GroupBox3 = new QGroupBox(QStringLiteral("Kies structuur van de formule"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    fill_practice_yellow(GroupBox3);
    auto* column = new QVBoxLayout(GroupBox3);
    column->setContentsMargins(6, 2, 6, 4);
    RadioButton4 = new QRadioButton(QStringLiteral("a sin ( b ( x - c )) + d"), GroupBox3);
    RadioButton5 = new QRadioButton(QStringLiteral("a + b sin ( c ( x - d ))"), GroupBox3);
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    RadioButton5->setObjectName(QStringLiteral("RadioButton5"));
    RadioButton5->setChecked(true);
    GroupBox4 = new QGroupBox(QStringLiteral("Wat wil je oefenen?"), GroupBox3);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    const auto functions = radio_row(GroupBox4, {{"RadioButton6", "alleen sin"},
                                                 {"RadioButton7", "sin en cos"},
                                                 {"RadioButton8", "sin, cos, -sin, -cos"}});
    RadioButton6 = functions[0];
    RadioButton7 = functions[1];
    RadioButton8 = functions[2];
    RadioButton7->setChecked(true);
    for (QRadioButton* r : {RadioButton4, RadioButton5, RadioButton6, RadioButton7, RadioButton8})
        add_option_control(r);
    column->addWidget(RadioButton4);
    column->addWidget(RadioButton5);
    column->addWidget(GroupBox4);
    register_text(GroupBox3, TextKind::GroupBox, kStructureGroup);
    register_text(GroupBox4, TextKind::GroupBox, kPractiseGroup);
    register_text(RadioButton6, TextKind::RadioButton, kOnlySine);
    register_text(RadioButton7, TextKind::RadioButton, kSineAndCosine);
    GroupBox3->setGeometry(524, kBottomRow - 130, 420, 126);
    GroupBox3->hide();
}

void TdiffkettingForm::create_strips_and_cloud() {
    // A blank strip over the bottom row (the estimating topics), leaving
    // "Stop" free.
    Panel8 = new QFrame(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    fill_practice_yellow(Panel8);
    Panel8->setGeometry(288, kBottomRow - 3, Button3->x() - 4 - 288, 40);
    Panel8->hide();

    // The number line of the estimating topics: 0 to 100 in steps of 10.
    Panel12 = new QFrame(this);
    Panel12->setObjectName(QStringLiteral("Panel12"));
    fill_practice_yellow(Panel12);
    Panel12->setGeometry(Image1->x() + 60, Image1->y() + 420, 880, 110);
    SurfaceStyle scale_style;
    scale_style.font = FontSpec{QStringLiteral("verdana"), 14, false};
    Image4 = new SurfacePane(QSize(860, 90), scale_style, Panel12);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->move(10, 10);
    Surface& line = Image4->surface();
    line.clearimage();
    line.set_pen(3, Qt::black);
    const int left = 30, right = 830, y = 40;
    line.line(left, y, right, y);
    line.set_pen(2, Qt::black);
    for (int i = 0; i <= 10; ++i) {
        const int x = left + i * (right - left) / 10;
        line.line(x, y - 10, x, y + 10);
        const QString t = QString::number(10 * i);
        line.text_at(x - line.text_width(t) / 2, y + 14, t);
    }
    Label12 = new QLabel(QStringLiteral("↓"), Panel12);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setGeometry(0, 0, 20, 24);
    Label12->hide();
    Panel12->hide();

    std::tie(Panel3, Image3) = add_cloud_panel(QStringLiteral("Panel3"), QStringLiteral("Image3"),
                                               QSize(440, 230), cloud_style());
}

void TdiffkettingForm::map_roles() {
    set_role(ControlRole::Cloud, Panel3);
}

void TdiffkettingForm::fill_calibration_table() {
    std::vector<CalibratedControl> t;
    for (QWidget* w : std::initializer_list<QWidget*>{
             Button1, Button2, Button3, hint_check, level_group, help_button, copy_button,
             save_button, GroupBox2, GroupBox5, CheckBox3, CheckBox8, Panel8})
        t.push_back({w, 40});
    t.push_back({CheckBox6, 20});
    t.push_back({CheckBox7, 20});
    set_calibration_table(std::move(t));
}

// The visible lists side by side; next to the level group when they fit,
// else just above the bottom row.
void TdiffkettingForm::place_type_group() {
    int x = 6;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ComboBox1, ComboBox2, ComboBox4, ComboBox5, ComboBox6,
                                         ComboBox7, ComboBox8, ComboBox9, Panel6, Panel7}) {
        if (w->isHidden()) continue;
        w->move(x, 14);
        x += w->width() + 6;
    }
    const int width = std::max(60, x);
    const bool beside = width <= level_group->x() - 380 || level_group->isHidden();
    GroupBox2->setGeometry(380, beside ? kBottomRow - 3 : kBottomRow - 50, width, 42);
}

}  // namespace cifrala
