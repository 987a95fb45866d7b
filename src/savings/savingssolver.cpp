#include "savings/savingssolver.h"

#include "percent/checkedreal.h"

#include <cmath>
#include <cstdint>

namespace rechnado {

SavingsOutcome solveSavings(const SavingsInputs &in)
{
    SavingsOutcome out;
    if (in.sparrate == 0 || in.malProJahr == 0 || in.laufzeit == 0 || in.prozent == 0)
        return out;

    const CheckedReal sparrate = in.sparrate;
    const CheckedReal malProJahr = in.malProJahr;
    const CheckedReal laufzeit = in.laufzeit;
    const CheckedReal prozent = in.prozent;

    // The deposits are counted in 16 bits.
    const CheckedReal deposits = malProJahr * laufzeit;
    if (!deposits.isFinite() || deposits.value() > kMaxDeposits) {
        out.kind = SavingsOutcome::Kind::TooManyDeposits;
        return out;
    }

    const CheckedReal anlagesumme = malProJahr * sparrate * laufzeit;
    const CheckedReal ratenZins = (pow(1 + prozent / 100, 1 / malProJahr) - 1) * 100;
    const CheckedReal ratenFaktor = ratenZins / 100 + 1;
    CheckedReal endsumme = ratenFaktor * sparrate;
    // A fractional count can only come from text that was not typed: ties go to the even neighbour.
    const auto n = static_cast<std::int16_t>(std::nearbyint(deposits.value() - 1));
    for (std::int16_t k = 1; k <= n; ++k)
        endsumme = (sparrate + endsumme) * ratenFaktor;
    const CheckedReal absGewinn = endsumme - anlagesumme;
    const CheckedReal prozGewinn = endsumme * 100 / anlagesumme - 100;

    if (!anlagesumme.isFinite() || !endsumme.isFinite() || !absGewinn.isFinite() || !prozGewinn.isFinite()) {
        out.kind = SavingsOutcome::Kind::NotComputable;
        return out;
    }
    out.kind = SavingsOutcome::Kind::Solved;
    out.anlagesumme = anlagesumme.value();
    out.endsumme = endsumme.value();
    out.absGewinn = absGewinn.value();
    out.prozGewinn = prozGewinn.value();
    out.anlagesummeNoise = anlagesumme.noise();
    out.endsummeNoise = endsumme.noise();
    out.absGewinnNoise = absGewinn.noise();
    out.prozGewinnNoise = prozGewinn.noise();
    return out;
}

} // namespace rechnado
