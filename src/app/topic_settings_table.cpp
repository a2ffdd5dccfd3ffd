#include "app/topic_settings_table.h"

namespace cifrala {

namespace {
constexpr TopicBoxKind S = TopicBoxKind::Subject;
constexpr TopicBoxKind G = TopicBoxKind::Group;
constexpr TopicBoxKind T = TopicBoxKind::Topic;
}  // namespace

const std::vector<TopicBox>& topic_boxes() {
    static const std::vector<TopicBox> boxes = {
        {4, "Natuurkunde", S, 0, "SpeedButton26"},
        {5, "Basisrekenen", G, 89, "SpeedButton1"},
        {6, "Gehele getallen", T, 5, "SpeedButton4"},
        {7, "Getallen onder elkaar", T, 5, "SpeedButton143"},
        {8, "Tafeltjes", T, 5, "SpeedButton147"},
        {9, "Reken handig", T, 5, "SpeedButton144"},
        {10, "Grote getallen", T, 5, "SpeedButton145"},
        {11, "Breuken", T, 5, "SpeedButton146"},
        {12, "Delen", T, 5, "SpeedButton12"},
        {13, "Maak kloppend", T, 5, "SpeedButton125"},
        {14, "Verhoudingen", T, 89, "SpeedButton2"},
        {15, "Schaal", T, 89, "SpeedButton128"},
        {16, "Procenten", T, 89, "SpeedButton13"},
        {17, "Het metrieke stelsel", T, 89, "SpeedButton15"},
        {18, "Schatten 1", T, 89, "SpeedButton106"},
        {19, "Schatten 2", T, 89, "SpeedButton110"},
        {20, "Klokrekenen", T, 89, "SpeedButton117"},
        {21, "Tijdrekenen", T, 89, "SpeedButton115"},
        {22, "Gemiddelde snelheid", T, 89, "SpeedButton121"},
        {23, "Wortels herleiden", T, 89, "SpeedButton3"},
        {24, "Bereken functiewaarde", T, 89, "SpeedButton14"},
        {25, "Parabolen tekenen", T, 89, "SpeedButton136"},
        {26, "Vergelijkingen oplossen I", G, 89, "SpeedButton47"},
        {27, "Lineair", T, 26, "SpeedButton137"},
        {28, "Kwadratisch (elementair)", T, 26, "SpeedButton16"},
        {29, "Met machten", T, 26, "SpeedButton141"},
        {30, "Met breuken", T, 26, "SpeedButton139"},
        {31, "Met wortels", T, 26, "SpeedButton140"},
        {32, "Kwadratisch (algemeen)", T, 26, "SpeedButton138"},
        {33, "Algebra I", G, 89, "SpeedButton48"},
        {34, "Haakjes uitwerken (basis)", T, 33, "SpeedButton28"},
        {35, "Haakjes uitwerken (uitgebreid)", T, 33, "SpeedButton50"},
        {36, "Herleiden van machtsvormen", T, 33, "SpeedButton49"},
        {37, "Buiten haakjes brengen", T, 33, "SpeedButton51"},
        {38, "Gemiddelde snelheid", T, 4, "SpeedButton122"},
        {39, "Algebra II", G, 90, "SpeedButton62"},
        {40, "Breuken herleiden", T, 39, "SpeedButton18"},
        {41, "Variabele vrijmaken", T, 39, "SpeedButton63"},
        {42, "Logaritmen I", T, 39, "SpeedButton67"},
        {43, "Logaritmen II", T, 39, "SpeedButton64"},
        {44, "Groeifuncties", T, 39, "SpeedButton65"},
        {45, "Schrijf als 10-macht", T, 39, "SpeedButton66"},
        {46, "Vergelijkingen oplossen II", G, 90, "SpeedButton68"},
        {47, "Ongelijkheden oplossen", G, 90, "SpeedButton7"},
        {48, "Lineaire", T, 46, "SpeedButton112"},
        {49, "Kwadratische", T, 46, "SpeedButton111"},
        {50, "Exponentiële", T, 46, "SpeedButton69"},
        {51, "Met machten", T, 46, "SpeedButton70"},
        {52, "Goniometrische", T, 46, "SpeedButton71"},
        {53, "Absolute waarden", T, 46, "SpeedButton72"},
        {54, "Wortel", T, 46, "SpeedButton73"},
        {55, "Kwadratische", T, 47, "SpeedButton9"},
        {56, "Logaritmische", T, 47, "SpeedButton10"},
        {57, "Differentiëren", G, 90, "SpeedButton19"},
        {58, "Machten", T, 57, "SpeedButton20"},
        {59, "Productregel", T, 57, "SpeedButton21"},
        {60, "Quotiëntregel", T, 57, "SpeedButton22"},
        {61, "Kettingregel", T, 57, "SpeedButton23"},
        {62, "Ketting- en productregel", T, 57, "SpeedButton24"},
        {63, "Logaritmische functies", T, 57, "SpeedButton33"},
        {64, "Exponentiële functies", T, 57, "SpeedButton34"},
        {65, "Sinusoïden", T, 57, "SpeedButton35"},
        {66, "Kettingregel (alle varianten)", T, 57, "SpeedButton36"},
        {67, "Primitiveren", G, 90, "SpeedButton38"},
        {68, "Machtsfuncties", T, 67, "SpeedButton41"},
        {69, "Macht van lineaire functies", T, 67, "SpeedButton43"},
        {70, "Logaritmische functies", T, 67, "SpeedButton39"},
        {71, "Exponentiële functies", T, 67, "SpeedButton40"},
        {72, "Sinusoïden", T, 67, "SpeedButton42"},
        {73, "Primitiveren (alle varianten)", T, 67, "SpeedButton45"},
        {74, "Domein en bereik", T, 90, "SpeedButton46"},
        {75, "Functievoorschrift opstellen", T, 90, "SpeedButton37"},
        {76, "Symmetrie bij grafieken", T, 90, "SpeedButton74"},
        {77, "Rijen", T, 90, "SpeedButton6"},
        {78, "Snelheid", T, 4, "SpeedButton113"},
        {79, "Lenzenformule", T, 4, "SpeedButton54"},
        {80, "Golven en trillingen", T, 4, "SpeedButton55"},
        {81, "Druk", T, 4, "SpeedButton126"},
        {82, "Concentratie", T, 4, "SpeedButton127"},
        {83, "Economie", S, 0, "SpeedButton58"},
        {84, "Procenten", T, 83, "SpeedButton27"},
        {85, "Werkgelegenheid", T, 83, "SpeedButton133"},
        {86, "Aardrijkskunde", S, 0, "SpeedButton130"},
        {87, "Schaal", T, 86, "SpeedButton132"},
        {88, "Logaritmische", T, 46, "SpeedButton134"},
        {89, "Rekenen, Algebra (onderbouw)", S, 0, "SpeedButton25"},
        {90, "Algebra, Analyse (bovenbouw)", S, 0, "SpeedButton59"},
        {91, "Sinusoïde tekenen", T, 90, "SpeedButton154"},
        {92, "Gebroken ongelijkheden", T, 47, "SpeedButton155"},
        {93, "Wortel ongelijkheden", T, 47, "SpeedButton156"},
    };
    return boxes;
}

const TopicBox* find_topic_box(int number) {
    for (const TopicBox& b : topic_boxes())
        if (b.number == number) return &b;
    return nullptr;
}

std::vector<int> topic_box_members(int number) {
    std::vector<int> members;
    for (const TopicBox& b : topic_boxes())
        if (b.member_of == number) members.push_back(b.number);
    return members;
}

const std::vector<HoofdmenuRule>& hoofdmenu_rules() {
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; ++i)
            v.push_back(i);
        return v;
    };
    auto join = [](std::initializer_list<std::vector<int>> parts) {
        std::vector<int> v;
        for (const auto& p : parts)
            v.insert(v.end(), p.begin(), p.end());
        return v;
    };
    static const std::vector<HoofdmenuRule> rules = {
        {5, range(6, 13)},
        {26, range(27, 32)},
        {33, range(34, 37)},
        {89, join({{5}, range(14, 26), {33}})},
        {39, range(40, 45)},
        {46, join({range(48, 54), {88}})},
        {47, {55, 56, 92, 93}},
        {57, range(58, 66)},
        {67, range(68, 73)},
        {90, join({{39, 46, 47, 57, 67}, range(74, 77), {91}})},
        {4, join({{38}, range(78, 82)})},
        {83, {84, 85}},
        {86, {87}},
    };
    return rules;
}

}  // namespace cifrala
