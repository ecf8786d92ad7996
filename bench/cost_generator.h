#pragma once

// Realistic cost year files for the benchmarks: the same seed always gives the same file.
#include "costs/cost_record.h"
#include "costs/cost_rules.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <random>

namespace bench {

class CostGenerator {
public:
    // About one entry in four is unpaid; one in a hundred has an empty paid flag.
    explicit CostGenerator(unsigned seed = 20261210, int year = 2026) : m_random(seed), m_year(year) {}

    TSchedaCosto next() {
        using C = TSchedaCosto;
        static const char* const makes[][4] = {
            {"Fiat", "Panda", "Punto", "Ducato"},          {"Ford", "Focus", "Transit", "Fiesta"},
            {"Volkswagen", "Golf", "Polo", "Crafter"},     {"Renault", "Clio", "Kangoo", "Master"},
            {"Citroën", "C3 Aircross", "Berlingo", "Jumper"}, {"Iveco", "Daily", "Eurocargo", "Stralis"},
            {"Mercedes-Benz", "Sprinter", "Vito", "Classe A"}, {"Piaggio", "Vespa 125", "Porter", "Ape"}};
        static const char* const colours[] = {"Bianco", "Nero", "Grigio metallizzato", "Rosso", "Blu notte"};
        static const char* const fuels[] = {"Benzina", "Gasolio", "GPL", "Metano", "Ibrida"};
        static const char* const places[] = {"Forlì", "Vestrano", "Cesena", "Ravenna", "Bologna", "Rimini"};
        static const char* const methods[] = {"Contanti", "Bonifico bancario", "Carta di credito", "Assegno"};
        static const char* const first[] = {"Mario", "Luca", "Giulia", "Niccolò", "Francesca", "Andrea"};
        static const char* const last[] = {"Rossi", "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo"};
        static const char* const payees[] = {"Officina Bianchi", "Gommista Da Gino", "Distributore Q8 Vestrano",
                                             "Comune di Vestrano", "Assicurazioni Generali", "Autoricambi Romagna"};
        const auto pick = [this](const auto& table) {
            return QString::fromUtf8(table[uniform(0, int(std::size(table)) - 1)]);
        };

        C e;
        const int month = uniform(1, 12);
        const int day = uniform(1, cost_rules::daysInMonth(month, m_year));
        const QString dd = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
        const QString mm = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        e[C::Giorno] = dd;
        e[C::Mese] = cost_rules::months().at(month - 1);
        e[C::Anno] = QString::number(m_year);
        e[C::Data] = dd + u'/' + mm + u'/' + QString::number(m_year);
        e[C::Luogo] = pick(places);
        e[C::Veicolo] = cost_rules::vehicleTypes().at(uniform(0, int(cost_rules::vehicleTypes().size()) - 1));
        const int make = uniform(0, int(std::size(makes)) - 1);
        e[C::Marca] = QString::fromUtf8(makes[make][0]);
        e[C::Modello] = QString::fromUtf8(makes[make][uniform(1, 3)]);
        e[C::Colore] = pick(colours);
        e[C::Alimentazione] = pick(fuels);
        e[C::Targa] = QStringLiteral("%1%2%3%4%5")
                          .arg(letter())
                          .arg(letter())
                          .arg(uniform(0, 999), 3, 10, QLatin1Char('0'))
                          .arg(letter())
                          .arg(letter());
        e[C::Causale] = cost_rules::reasons().at(uniform(0, int(cost_rules::reasons().size()) - 1));
        e[C::Descrizione] = QStringLiteral("Intervento come da preventivo, ricambi originali e manodopera inclusi");
        e[C::Modalita] = pick(methods);
        e[C::Estremi] = QStringLiteral("Fattura n. %1/%2").arg(uniform(1, 9999)).arg(m_year);
        e[C::Importo] = QStringLiteral("%1,%2").arg(uniform(5, 3000)).arg(uniform(0, 99), 2, 10, QLatin1Char('0'));
        e[C::Pagatore] = QStringLiteral("Società Trasporti Riuniti S.r.l.");
        e[C::RecPagatore] = QStringLiteral("0543 %1").arg(uniform(100000, 999999));
        e[C::Beneficiario] = pick(payees);
        e[C::RecBeneficiario] = QStringLiteral("0543 %1").arg(uniform(100000, 999999));
        e[C::Conducente] = pick(first) + u' ' + pick(last);
        e[C::Recapito] = QStringLiteral("333 %1").arg(uniform(1000000, 9999999));
        const int flag = uniform(0, 99);
        e[C::Saldato] = flag == 0 ? QString() : flag <= 25 ? C::unpaid() : C::paid();
        e[C::Note] = uniform(0, 3) ? QString() : QStringLiteral("Da verificare alla prossima revisione");
        return e;
    }

    // Writes `entries` entries; false when the file cannot be written.
    bool writeFile(const QString& path, int entries) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QByteArray block;
        for (int i = 0; i < entries; ++i) {
            block += next().encode();
            if (block.size() >= 4 * 1024 * 1024 || i + 1 == entries) {
                if (f.write(block) != block.size())
                    return false;
                block.clear();
            }
        }
        return true;
    }

private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    QChar letter() { return QChar(u'A' + uniform(0, 25)); }

    std::mt19937 m_random;
    int m_year;
};

} // namespace bench
