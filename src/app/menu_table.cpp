#include "app/menu_table.h"

#include <cstring>

namespace cifrala {

const std::vector<MenuGroup>& menu_groups() {
    static const std::vector<MenuGroup> groups = {
        {4, "Basismenu", 1700, 0},
        {1, "Rekenen en Algebra", 1693, 1},
        {2, "Algebra en Analyse", 1695, 1},
        {11, "Natuurkunde", 2265, 1},
        {12, "Economie", 2266, 1},
        {16, "Aardrijkskunde", 0, 1},
        {7, "Kies taal", 1699, 1},
        {18, "Basisrekenen", 2792, 2},
        {17, "Vergelijkingen oplossen", 2791, 2},
        {9, "Algebra I", 0, 2},
        {3, "Differentiëren", 1682, 2},
        {8, "Primitiveren", 2268, 2},
        {13, "Algebra II", 0, 2},
        {14, "Vergelijkingen oplossen", 2506, 2},
        {15, "Ongelijkheden oplossen", 2507, 2},
    };
    return groups;
}

namespace {

using A = Action;
using T = Target;
using P = Preset;

MenuButton open(const char* name, int group, const char* caption, int tag, int opens) {
    MenuButton b{name, group, caption, tag, A::OpenGroup};
    b.opens = opens;
    return b;
}

MenuButton back(const char* name, int group, int tag = 2513) {
    return MenuButton{name, group, "Terug", tag, A::Back};
}

MenuButton topic(const char* name, int group, const char* caption, int tag, Target target,
                 int topic_code = kKeep, int category = kKeep, std::vector<Preset> presets = {}) {
    MenuButton b{name, group, caption, tag, A::Topic};
    b.target = target;
    b.topic = topic_code;
    b.category = category;
    b.presets = std::move(presets);
    return b;
}

template <typename F>
MenuButton with(MenuButton b, F f) {
    f(b);
    return b;
}

std::vector<MenuButton> build() {
    std::vector<MenuButton> v;
    // Rekenen en Algebra
    v.push_back(open("SpeedButton1", 1, "Basisrekenen", 2801, 18));
    v.push_back(topic("SpeedButton2", 1, "Verhoudingen", 1664, T::Ratios, kKeep, kKeep,
                      {P::RatiosNewExercise}));
    v.push_back(topic("SpeedButton3", 1, "Wortels herleiden", 1666, T::Roots, 22));
    v.push_back(topic("SpeedButton13", 1, "Procenten", 1671, T::MultiTopic, 35, 16,
                      {P::MethodListMessage1901}));
    v.push_back(topic("SpeedButton15", 1, "Het metrieke stelsel", 1673, T::Metric));
    // Its entry is the caption of the group it opens: 1726 belongs to
    // "Lineaire vergelijkingen".
    v.push_back(open("SpeedButton47", 1, "Vergelijkingen oplossen", 2791, 17));
    v.push_back(with(open("SpeedButton48", 1, "Algebra I", 0, 9),
                     [](MenuButton& b) { b.hint_tag = 4913; }));
    v.push_back(
        topic("SpeedButton106", 1, "Schatten 1", 2744, T::MultiTopic, 44, kKeep, {P::ShowPanel8}));
    v.push_back(topic("SpeedButton110", 1, "Schatten 2", 2745, T::Integers, 45, kKeep,
                      {P::EstimateLabels}));
    v.push_back(
        topic("SpeedButton115", 1, "Tijdrekenen", 2747, T::Integers, 47, kKeep, {P::TimePresets}));
    v.push_back(
        topic("SpeedButton117", 1, "Klokrekenen", 2748, T::Integers, 48, kKeep, {P::TimePresets}));
    v.push_back(topic("SpeedButton121", 1, "Gemiddelde snelheid", 2751, T::Integers, 49, kKeep,
                      {P::TimePresets}));
    v.push_back(topic("SpeedButton128", 1, "Schaal", 1677, T::Integers, 53, kKeep,
                      {P::WordProblemPresets}));
    v.push_back(topic("SpeedButton136", 1, "Parabolen tekenen", 2752, T::Roots, 56));
    v.push_back(topic("SpeedButton14", 1, "Bereken functiewaarde", 2793, T::Roots, 57, kKeep,
                      {P::ShowPanel4}));
    v.push_back(back("SpeedButton75", 1));

    // Basisrekenen
    v.push_back(topic("SpeedButton4", 18, "Gehele getallen", 1669, T::Integers, -1));
    v.push_back(topic("SpeedButton143", 18, "Getallen onder elkaar", 1672, T::MultiTopic, 34, 14));
    v.push_back(topic("SpeedButton144", 18, "Reken handig", 2743, T::MultiTopic, 43));
    v.push_back(topic("SpeedButton145", 18, "Grote getallen", 2762, T::LongDivision, 55, kKeep,
                      {P::LongDivisionHideOptions}));
    v.push_back(with(topic("SpeedButton146", 18, "Breuken", 1670, T::Fractions),
                     [](MenuButton& b) { b.clear_previous_exercise = true; }));
    v.push_back(topic("SpeedButton147", 18, "Tafeltjes", 2761, T::Integers, 50));
    v.push_back(with(topic("SpeedButton12", 18, "Delen", 1676, T::LongDivision, 42, kKeep,
                           {P::LongDivisionShowOptions}),
                     [](MenuButton& b) {
                         b.clear_previous_exercise = true;
                         b.division_bites_from_window = true;
                     }));
    v.push_back(topic("SpeedButton125", 18, "Maak kloppend", 2753, T::Roots, 62));
    v.push_back(back("SpeedButton148", 18));

    // Vergelijkingen oplossen (Rekenen en Algebra)
    v.push_back(topic("SpeedButton137", 17, "Lineair", 1715, T::MultiTopic, 2, 11));
    v.push_back(topic("SpeedButton16", 17, "Kwadratisch (elementair)", 1716, T::Roots, 61));
    v.push_back(topic("SpeedButton141", 17, "Met machten", 1717, T::Roots, 58));
    v.push_back(topic("SpeedButton139", 17, "Met breuken", 1718, T::Roots, 59));
    v.push_back(topic("SpeedButton140", 17, "Met wortels", 1719, T::Roots, 60));
    v.push_back(topic("SpeedButton138", 17, "Kwadratisch (algemeen)", 1720, T::QuadEquations, 26,
                      kKeep, {P::ShowAbcFormula}));
    v.push_back(back("SpeedButton142", 17));

    // Algebra I
    v.push_back(
        topic("SpeedButton49", 9, "Herleiden van machtsvormen", 1727, T::MultiTopic, 3, 11));
    v.push_back(
        topic("SpeedButton50", 9, "Haakjes uitwerken (uitgebreid)", 1729, T::MultiTopic, 4, 11));
    v.push_back(topic("SpeedButton28", 9, "Haakjes uitwerken (basis)", 1728, T::MultiTopic, 5, 11));
    v.push_back(topic("SpeedButton51", 9, "Buiten haakjes brengen", 1730, T::MultiTopic, 36, 18));
    v.push_back(back("SpeedButton83", 9));

    // Algebra en Analyse
    v.push_back(open("SpeedButton19", 2, "Differentiëren", 1682, 3));
    v.push_back(with(open("SpeedButton38", 2, "Primitiveren", 1721, 8),
                     [](MenuButton& b) { b.category = 12; }));
    v.push_back(with(open("SpeedButton62", 2, "Algebra II", 0, 13),
                     [](MenuButton& b) { b.hint_tag = 4914; }));
    v.push_back(open("SpeedButton68", 2, "Vergelijkingen oplossen", 2506, 14));
    v.push_back(open("SpeedButton7", 2, "Ongelijkheden oplossen", 2507, 15));
    v.push_back(topic("SpeedButton6", 2, "Rijen", 2508, T::MultiTopic, 37, 19));
    v.push_back(
        with(topic("SpeedButton37", 2, "Functievoorschrift opstellen", 2501, T::MultiTopic, 33, 11),
             [](MenuButton& b) { b.function_type_preset = 0; }));
    v.push_back(topic("SpeedButton46", 2, "Domein en bereik", 2510, T::MultiTopic, 39));
    v.push_back(topic("SpeedButton74", 2, "Symmetrie bij grafieken", 2512, T::MultiTopic, 41));
    v.push_back(with(topic("SpeedButton154", 2, "Sinusoïde tekenen", 2514, T::MultiTopic, 63),
                     [](MenuButton& b) { b.function_type_preset = 0; }));
    v.push_back(back("SpeedButton77", 2));

    // Differentiëren
    v.push_back(topic("SpeedButton20", 3, "Machten", 1683, T::MultiTopic, 9, 7));
    v.push_back(topic("SpeedButton21", 3, "Productregel", 1685, T::MultiTopic, 10, 8));
    v.push_back(topic("SpeedButton22", 3, "Quotiëntregel", 1688, T::MultiTopic, 11, 9));
    v.push_back(topic("SpeedButton23", 3, "Kettingregel", 1689, T::MultiTopic, 12, 1));
    v.push_back(topic("SpeedButton24", 3, "Ketting- en productregel", 1698, T::MultiTopic, 13, 2));
    v.push_back(topic("SpeedButton33", 3, "Logaritme functies", 1701, T::MultiTopic, 14, 3));
    v.push_back(topic("SpeedButton34", 3, "Exponentiële functies", 1702, T::MultiTopic, 15, 4));
    v.push_back(topic("SpeedButton35", 3, "Sinusoïden", 1703, T::MultiTopic, 16, 5));
    v.push_back(with(
        topic("SpeedButton36", 3, "Kettingregel (alle varianten)", 1704, T::MultiTopic, kKeep, 6),
        [](MenuButton& b) { b.chain_rule = 6; }));
    v.push_back(back("SpeedButton80", 3));

    // Primitiveren (opening the group has set category 12)
    auto integrate = [](const char* name, const char* caption, int tag, int topic_code, int kind) {
        MenuButton b = topic(name, 8, caption, tag, T::MultiTopic, topic_code);
        b.integration = kind;
        return b;
    };
    v.push_back(integrate("SpeedButton41", "Machtsfuncties", 1722, 17, 1));
    v.push_back(integrate("SpeedButton43", "Macht van lineaire functie", 1724, 18, 2));
    v.push_back(integrate("SpeedButton39", "Logaritme functies", 1701, 19, 4));
    v.push_back(integrate("SpeedButton40", "Exponentiële functies", 1702, 20, 3));
    v.push_back(integrate("SpeedButton42", "Sinusoïden", 1703, 21, 5));
    v.push_back(integrate("SpeedButton45", "Primitiveren (alle varianten)", 1723, kKeep, 6));
    v.push_back(back("SpeedButton78", 8));

    // Algebra II
    v.push_back(topic("SpeedButton67", 13, "Logaritmen (1)", 2505, T::MultiTopic, 30, 11));
    v.push_back(topic("SpeedButton64", 13, "Logaritmen (2)", 2502, T::MultiTopic, 29, 11));
    v.push_back(
        topic("SpeedButton65", 13, "Groeifuncties (eigenschappen)", 2503, T::MultiTopic, 31, 11));
    v.push_back(topic("SpeedButton66", 13, "Schrijf als 10-macht", 2504, T::MultiTopic, 32, 11));
    v.push_back(
        topic("SpeedButton18", 13, "Breuken herleiden (algebraïsch)", 2509, T::MultiTopic, 38, 20));
    v.push_back(topic("SpeedButton63", 13, "Variabele vrijmaken", 2511, T::MultiTopic, 40));
    v.push_back(back("SpeedButton79", 13));

    // Vergelijkingen oplossen (Algebra en Analyse)
    v.push_back(topic("SpeedButton112", 14, "Lineaire vergelijkingen", 1726, T::MultiTopic, 2, 11));
    v.push_back(topic("SpeedButton111", 14, "Kwadratische vergelijkingen", 1665, T::QuadEquations,
                      26, kKeep, {P::ShowAbcFormula}));
    v.push_back(
        topic("SpeedButton69", 14, "Exponentiële vergelijkingen", 1674, T::ExpEquations, 28));
    v.push_back(topic("SpeedButton70", 14, "Machtsvergelijkingen", 1679, T::MultiTopic, 24, 15));
    v.push_back(
        topic("SpeedButton71", 14, "Goniometrische vergelijkingen", 1680, T::MultiTopic, 27, 13));
    v.push_back(topic("SpeedButton72", 14, "Absolute waarde vergelijkingen", 1705, T::MultiTopic, 8,
                      10, {P::ExplanationArea420x300}));
    v.push_back(topic("SpeedButton73", 14, "Wortelvergelijkingen", 2351, T::MultiTopic, 23));
    v.push_back(with(
        topic("SpeedButton134", 14, "Logaritmische vergelijkingen", 1707, T::MultiTopic, 1, 11),
        [](MenuButton& b) { b.solve_as_equation = 1; }));
    v.push_back(back("SpeedButton81", 14));

    // Ongelijkheden oplossen
    v.push_back(
        topic("SpeedButton9", 15, "Kwadratische ongelijkheden", 1667, T::QuadInequalities, 7));
    auto inequality = [](const char* name, const char* caption, int tag, int topic_code,
                         int category) {
        MenuButton b = topic(name, 15, caption, tag, T::MultiTopic, topic_code, category);
        b.solve_as_equation = 0;
        return b;
    };
    v.push_back(inequality("SpeedButton10", "Logaritmische ongelijkheden", 1725, 1, 11));
    v.push_back(inequality("SpeedButton155", "Gebroken ongelijkheden", 1731, 64, 11));
    v.push_back(inequality("SpeedButton156", "Wortel ongelijkheden", 1732, 65, kKeep));
    v.push_back(back("SpeedButton84", 15));

    // Natuurkunde
    v.push_back(topic("SpeedButton54", 11, "Lenzenformule", 2391, T::Lens));
    v.push_back(with(topic("SpeedButton55", 11, "Golven en trillingen", 2392, T::MultiTopic, 33, 11,
                           {P::FunctionTypeSinusoid}),
                     [](MenuButton& b) { b.function_type_preset = 1; }));
    v.push_back(topic("SpeedButton113", 11, "Snelheid", 2746, T::Integers, 46, kKeep,
                      {P::WordProblemPresets, P::HidePanel3}));
    v.push_back(topic("SpeedButton122", 11, "Gemiddelde snelheid", 2751, T::Integers, 49, kKeep,
                      {P::TimePresets}));
    v.push_back(
        topic("SpeedButton126", 11, "Druk", 2781, T::Integers, 51, kKeep, {P::WordProblemPresets}));
    v.push_back(topic("SpeedButton127", 11, "Concentratie", 2782, T::Integers, 52, kKeep,
                      {P::WordProblemPresets}));
    v.push_back(back("SpeedButton76", 11));

    // Economie
    v.push_back(topic("SpeedButton27", 12, "Procenten", 1671, T::MultiTopic, 35, 16,
                      {P::MethodListMessage1900}));
    v.push_back(topic("SpeedButton133", 12, "Werkgelegenheid", 2763, T::LongDivision, 54, kKeep,
                      {P::LongDivisionHideOptions}));
    v.push_back(back("SpeedButton82", 12));

    // Aardrijkskunde
    v.push_back(topic("SpeedButton132", 16, "Schaal", 1677, T::Integers, 53, kKeep,
                      {P::WordProblemPresets}));
    v.push_back(with(back("SpeedButton131", 16, 0), [](MenuButton& b) { b.hint_tag = 4915; }));
    return v;
}

}  // namespace

const std::vector<MenuButton>& menu_buttons() {
    static const std::vector<MenuButton> buttons = build();
    return buttons;
}

const MenuButton* find_menu_button(const char* name) {
    for (const MenuButton& b : menu_buttons())
        if (std::strcmp(b.name, name) == 0) return &b;
    return nullptr;
}

}  // namespace cifrala
