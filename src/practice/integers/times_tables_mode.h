#pragma once
// The times-tables test (topic 50): its panel covers the whole window;
// "Volgende opgave" (Page Up) starts a new row of products as "Start" does.
#include "practice/integers/integers_mode.h"

namespace cifrala {

class TimesTablesMode : public JudgedIntegersMode {
public:
    explicit TimesTablesMode(TGehele_getallen_Form& window);

    void showing() override;
    void new_exercise() override;
    void closing() override;
};

}  // namespace cifrala
