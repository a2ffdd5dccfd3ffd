#pragma once
// Placing a fraction on the number line (topic 45): the number-line panel
// lies over the worksheet; "Volgende opgave" puts a new number on the card,
// and every release of the card in the lower half is judged.
#include "practice/integers/integers_mode.h"

namespace cifrala {

class NumberLineMode : public JudgedIntegersMode {
public:
    explicit NumberLineMode(TGehele_getallen_Form& window);

    void showing() override;
    void new_exercise() override;
    void closing() override;
};

}  // namespace cifrala
