#include "percent/percentsolver.h"

#include "percent/checkedreal.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <utility>

namespace rechnado {

namespace {

enum class Need : char { Given, Wanted, Any };
constexpr Need X = Need::Given;
constexpr Need O = Need::Wanted;
constexpr Need A = Need::Any;

struct Row {
    int number;
    bool von;
    // Anlagebetrag, Endbetrag, Prozent, Laufzeit, Zinssatz
    std::array<Need, 5> pattern;
    bool prozCalc;
    bool diffCalc;
};

// clang-format off
constexpr std::array<Row, 15> kRows{{
    //  #  von    B1 B2  %  LZ ZS   ProzCalc DiffCalc
    { 1, false, {X, X, O, O, O}, true,  true},
    { 2, false, {X, O, X, O, O}, false, true},
    { 3, false, {O, X, X, O, O}, false, true},
    { 4, false, {X, O, O, X, X}, true,  true},
    { 5, false, {X, X, O, X, O}, true,  true},
    { 6, false, {O, X, O, X, X}, true,  true},
    { 7, false, {X, X, O, O, X}, true,  true},
    { 8, false, {O, O, X, X, O}, false, false},
    { 9, false, {O, O, O, X, X}, false, false},
    {10, false, {O, O, X, O, X}, false, false},
    {11, false, {X, O, X, X, O}, false, true},
    {12, false, {O, X, X, X, O}, false, true},
    {13, true,  {X, X, O, A, A}, false, true},
    {14, true,  {O, X, X, A, A}, false, true},
    {15, true,  {X, O, X, A, A}, false, true},
}};
// clang-format on

bool fits(const Row &row, const PercentValues &v, bool vonMode)
{
    if (row.von != vonMode)
        return false;
    const std::array<double, 5> values{v.anlagebetrag, v.endbetrag, v.prozent, v.laufzeit, v.zinssatz};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (row.pattern[i] == Need::Given && values[i] == 0.0)
            return false;
        if (row.pattern[i] == Need::Wanted && values[i] != 0.0)
            return false;
    }
    return true;
}

// The formulas, each evaluated in the order it is written.
struct Formulas {
    CheckedReal anlagebetrag, endbetrag, prozent, laufzeit, zinssatz;

    CheckedReal zinssatzFromProzent() const { return (pow(prozent / 100 + 1, 1 / laufzeit) - 1) * 100; }
    CheckedReal endbetragFromProzent() const { return prozent / 100 * anlagebetrag + anlagebetrag; }
    CheckedReal anlagebetragFromProzent() const { return endbetrag / (prozent / 100 + 1); }
};

// Betrag 2 against Betrag 1 in percent (multiply first, then divide, then subtract), and Betrag 2
// less Betrag 1; NaN where there is no finite result.
CheckedReal percentChange(const CheckedReal &anlagebetrag, const CheckedReal &endbetrag)
{
    return endbetrag * 100 / anlagebetrag - 100;
}

} // namespace

PercentOutcome solvePercent(const PercentValues &values, bool vonMode)
{
    PercentOutcome out;
    const auto row =
        std::find_if(kRows.begin(), kRows.end(), [&](const Row &r) { return fits(r, values, vonMode); });
    if (row == kRows.end())
        return out;
    out.von = row->von;

    Formulas f{values.anlagebetrag, values.endbetrag, values.prozent, values.laufzeit, values.zinssatz};
    std::vector<std::pair<Field, CheckedReal>> computed;
    const auto compute = [&](Field field, CheckedReal &variable, CheckedReal value) {
        variable = value;
        computed.emplace_back(field, value);
    };
    switch (row->number) {
    case 1:
        break;
    case 2:
        compute(Field::Endbetrag, f.endbetrag, f.endbetragFromProzent());
        break;
    case 3:
        compute(Field::Anlagebetrag, f.anlagebetrag, f.anlagebetragFromProzent());
        break;
    case 4:
        compute(Field::Endbetrag, f.endbetrag, pow(f.zinssatz / 100 + 1, f.laufzeit) * f.anlagebetrag);
        break;
    case 5:
        compute(Field::Zinssatz, f.zinssatz, (pow(f.endbetrag / f.anlagebetrag, 1 / f.laufzeit) - 1) * 100);
        break;
    case 6:
        compute(Field::Anlagebetrag, f.anlagebetrag, f.endbetrag / pow(f.zinssatz / 100 + 1, f.laufzeit));
        break;
    case 7:
        compute(Field::Laufzeit, f.laufzeit,
                1 / (ln(f.zinssatz / 100 + 1) / ln(f.endbetrag / f.anlagebetrag)));
        break;
    case 8:
        compute(Field::Zinssatz, f.zinssatz, f.zinssatzFromProzent());
        break;
    case 9:
        compute(Field::Prozent, f.prozent, (pow(f.zinssatz / 100 + 1, f.laufzeit) - 1) * 100);
        break;
    case 10:
        compute(Field::Laufzeit, f.laufzeit, 1 / (ln(f.zinssatz / 100 + 1) / ln(f.prozent / 100 + 1)));
        break;
    case 11:
        compute(Field::Zinssatz, f.zinssatz, f.zinssatzFromProzent());
        compute(Field::Endbetrag, f.endbetrag, f.endbetragFromProzent());
        break;
    case 12:
        compute(Field::Zinssatz, f.zinssatz, f.zinssatzFromProzent());
        compute(Field::Anlagebetrag, f.anlagebetrag, f.anlagebetragFromProzent());
        break;
    case 13:
        compute(Field::Prozent, f.prozent, f.anlagebetrag * 100 / f.endbetrag);
        break;
    case 14:
        compute(Field::Anlagebetrag, f.anlagebetrag, f.endbetrag * f.prozent / 100);
        break;
    case 15:
        compute(Field::Endbetrag, f.endbetrag, f.anlagebetrag * 100 / f.prozent);
        break;
    default:
        Q_UNREACHABLE();
    }

    // The share may not exceed the whole; then neither the difference nor a result flag follows.
    out.shareTooLarge = row->von && f.prozent.value() > 100;
    out.callsProzCalc = row->prozCalc;
    out.callsDiffCalc = row->diffCalc && !out.shareTooLarge;

    bool finite =
        std::all_of(computed.begin(), computed.end(), [](const auto &c) { return c.second.isFinite(); });
    if (out.callsProzCalc) {
        const CheckedReal change = percentChange(f.anlagebetrag, f.endbetrag);
        out.change = change.value();
        out.changeNoise = change.noise();
        finite = finite && change.isFinite();
    }
    if (out.callsDiffCalc) {
        const CheckedReal difference = f.endbetrag - f.anlagebetrag;
        out.difference = difference.value();
        out.differenceNoise = difference.noise();
        finite = finite && difference.isFinite();
    }
    if (!finite) {
        out.kind = PercentOutcome::Kind::NotComputable;
        out.callsProzCalc = out.callsDiffCalc = false;
        return out;
    }
    out.kind = PercentOutcome::Kind::Solved;
    for (const auto &[field, value] : computed)
        out.written.push_back({field, value.value(), value.noise()});
    return out;
}

} // namespace rechnado
