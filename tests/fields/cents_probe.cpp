// Writes numbers as the windows write them, for the exact oracle in cents_oracle.py. One request a
// line on standard input, one answer a line on standard output, under German settings:
//   v <hex double>                      -> the value in "0.00"
//   r <von 0|1> <B1> <B2> <%> <LZ> <ZS>  -> what a press writes: "Field=text ..." ("-" is an empty
//                                          field), with change= and diff= where the press shows them
//   s <Sparrate> <per year> <years> <%>  -> what a savings plan writes: "A=... E=... G=... P=..."
#include "fields/numbertext.h"
#include "percent/percentsolver.h"
#include "savings/savingssolver.h"

#include <charconv>
#include <iostream>
#include <sstream>
#include <string>

using namespace rechnado;

int main()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const char *names[] = {"B1", "B2", "P", "LZ", "ZS"};
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        QString answer;
        if (kind == "v") {
            std::string hex;
            in >> hex;
            const bool negative = hex.starts_with('-');
            const std::size_t skip = negative ? 3 : 2; // "-0x" or "0x"
            double value = 0;
            std::from_chars(hex.data() + skip, hex.data() + hex.size(), value, std::chars_format::hex);
            answer = formatFixed2(negative ? -value : value, german);
        } else if (kind == "s") {
            double values[4] = {};
            for (double &value : values) {
                std::string typed;
                in >> typed;
                value = toNumber(QString::fromStdString(typed), german).value_or(0.0);
            }
            const SavingsOutcome out = solveSavings({values[0], values[1], values[2], values[3]});
            answer = out.kind != SavingsOutcome::Kind::Solved
                         ? QStringLiteral("refused")
                         : QStringList{QStringLiteral("A=") +
                                           formatFixed2(out.anlagesumme, german, out.anlagesummeNoise),
                                       QStringLiteral("E=") +
                                           formatFixed2(out.endsumme, german, out.endsummeNoise),
                                       QStringLiteral("G=") +
                                           formatFixed2(out.absGewinn, german, out.absGewinnNoise),
                                       QStringLiteral("P=") +
                                           formatFixed2(out.prozGewinn, german, out.prozGewinnNoise)}
                               .join(u' ');
        } else {
            int von = 0;
            in >> von;
            double values[5] = {};
            for (double &value : values) {
                std::string typed;
                in >> typed;
                value = toNumber(QString::fromStdString(typed), german).value_or(0.0);
            }
            const PercentOutcome out =
                solvePercent({values[0], values[1], values[2], values[3], values[4]}, von != 0);
            QStringList parts;
            if (out.kind != PercentOutcome::Kind::Solved)
                parts << QStringLiteral("refused");
            for (const PercentOutcome::Written &w : out.written)
                parts << QString::fromLatin1(names[int(w.field)]) + u'=' +
                             formatFixed2(w.value, german, w.noise);
            if (out.callsProzCalc)
                parts << QStringLiteral("change=") + formatFixed2(out.change, german, out.changeNoise);
            if (out.callsDiffCalc)
                parts << QStringLiteral("diff=") + formatFixed2(out.difference, german, out.differenceNoise);
            answer = parts.join(u' ');
        }
        std::cout << answer.toStdString() << '\n';
    }
    return 0;
}
