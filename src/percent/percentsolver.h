#pragma once

#include "fields/numbertext.h"

#include <array>
#include <vector>

namespace rechnado {

// The main window's calculation, free of widgets.
//
// The five values are tied in the zu mode by
//     endbetrag = anlagebetrag * (1 + prozent / 100)
//     1 + prozent / 100 = (1 + zinssatz / 100) ^ laufzeit
// and in the von mode by anlagebetrag = prozent % of endbetrag. A value of exactly 0 is the wanted
// one. Fifteen fixed cases (rows) know which values to compute from which; the values that a row does
// not list must be 0 in the zu mode, and laufzeit and zinssatz play no part in the von mode.

enum class Field { Anlagebetrag, Endbetrag, Prozent, Laufzeit, Zinssatz };

struct PercentValues {
    double anlagebetrag = 0;
    double endbetrag = 0;
    double prozent = 0;
    double laufzeit = 0;
    double zinssatz = 0;
};

struct PercentOutcome {
    enum class Kind {
        Solved,        // the row's values are computed
        NoRow,         // no row fits: values missing, too many, or in a pattern no row knows
        NotComputable, // the row has no finite real result for these values
    };
    Kind kind = Kind::NoRow;
    bool von = false; // a von row (13 to 15)
    struct Written {
        Field field;
        double value;
        Noise noise; // how far rounding may have moved it (see CheckedReal)
    };
    std::vector<Written> written; // the computed values, in the order the row writes them
    // The share is greater than the whole (von rows): the value is shown, but not as a result.
    bool shareTooLarge = false;
    bool callsProzCalc = false;
    bool callsDiffCalc = false;
    double change = 0;     // what ProzCalc will show, when it is called
    double difference = 0; // what DiffCalc will show, when it is called
    Noise changeNoise;
    Noise differenceNoise;
};

// Chooses the row for the given values and mode and computes everything the press will show.
// Nothing is judged computable unless every value shown, the change and the difference included,
// is finite.
PercentOutcome solvePercent(const PercentValues &values, bool vonMode);

} // namespace rechnado
