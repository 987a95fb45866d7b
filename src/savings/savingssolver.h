#pragma once

#include "fields/numbertext.h"

namespace rechnado {

// The savings plan, free of widgets.
//
// A deposit (sparrate) is paid malProJahr times a year for laufzeit years at the start of each
// period; the yearly rate prozent is turned into its compound equivalent per period. With N deposits
// and the growth factor q per period the balance is sparrate * q * (q^N - 1) / (q - 1); the loop
// below is the rule and the closed form the check.

struct SavingsInputs {
    double sparrate = 0;
    double malProJahr = 0;
    double laufzeit = 0;
    double prozent = 0;
};

struct SavingsOutcome {
    enum class Kind {
        Solved,
        MissingInput,    // an input is 0
        TooManyDeposits, // more deposits than the deposit counter holds
        NotComputable,   // a result is not finite
    };
    Kind kind = Kind::MissingInput;
    double anlagesumme = 0; // total paid in
    double endsumme = 0;    // balance at the end of the term
    double absGewinn = 0;   // endsumme - anlagesumme
    double prozGewinn = 0;  // the gain in percent of anlagesumme
    // The noise each result carries (see CheckedReal), for the written cent.
    Noise anlagesummeNoise;
    Noise endsummeNoise;
    Noise absGewinnNoise;
    Noise prozGewinnNoise;
};

constexpr int kMaxDeposits = 32767;

SavingsOutcome solveSavings(const SavingsInputs &in);

} // namespace rechnado
