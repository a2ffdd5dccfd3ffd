#pragma once
// The division window's topics: long division (topic 42, and any topic the
// window is opened for that is not a word problem) by the classic, the chunk
// or the combined method, and the large-number word problems of topics 54
// ("Werkgelegenheid") and 55 ("Grote getallen").
#include <optional>

#include "practice/common/practice_mode.h"
#include "practice/long_division/big_numbers_worker.h"
#include "practice/long_division/long_division_chunks.h"
#include "practice/long_division/long_division_worker.h"

namespace cifrala {

class TStaartdeelForm;

class DivisionMode : public PracticeMode {
public:
    explicit DivisionMode(TStaartdeelForm& window);

    Caption title() const override;
    int help_page() const override;
    void set_up() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override;

    // The previous exercise again, and an exercise the pupil typed.
    void previous_again();
    void own_exercise(const Division& d);

    bool chunk_method = false;
    bool both_method = false;
    Division current;  // as it started
    std::optional<Division> previous;
    LongDivisionWorker classic;
    ChunkDivisionWorker chunks;

private:
    void take_method();
    void prepare_surface();
    // Writes the exercise line and starts the chosen method.
    void begin(const Division& d, const QString& line_end);

    TStaartdeelForm& w_;
    bool started_ = false;
};

class WordProblemMode : public PracticeMode {
public:
    WordProblemMode(TStaartdeelForm& window, int topic);

    Caption title() const override;
    int help_page() const override;
    void set_up() override;
    void new_exercise() override;
    void rekenstap() override;
    const StepWorker* worker() const override { return &worker_; }

    int topic() const { return topic_; }
    const BigNumbersWorker& big_numbers() const { return worker_; }
    // The variant instead of a random one (-1: random).
    int forced_variant = -1;

private:
    TStaartdeelForm& w_;
    int topic_;
    BigNumbersWorker worker_;
};

}  // namespace cifrala
