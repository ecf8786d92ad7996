#pragma once

// Realistic vehicle files for the benchmarks: the same seed always gives the same file.
#include "vehicles/vehicle_record.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>

#include <random>

namespace bench {

class VehicleGenerator {
public:
    // Deadlines are spread around `today`: about one card in six is due in each list, a few
    // have no date and one in two hundred holds a date that is not a date at all.
    explicit VehicleGenerator(unsigned seed = 20261210, QDate today = QDate(2026, 12, 10))
        : m_random(seed), m_today(today) {}

    TSchedaVeicolo next() {
        using F = TSchedaVeicolo;
        static const char* const types[] = {"Autobus", "Autocarro", "Autovettura", "Autovettura", "Autovettura",
                                            "Camper", "Ciclomotore", "Furgoncino", "Furgone", "Motociclo",
                                            "Rimorchio", "Scooter", "Trattore", "Veicolo edile"};
        static const char* const makes[][4] = {
            {"Fiat", "Panda", "Punto", "Ducato"},          {"Ford", "Focus", "Transit", "Fiesta"},
            {"Volkswagen", "Golf", "Polo", "Crafter"},     {"Renault", "Clio", "Kangoo", "Master"},
            {"Citroën", "C3 Aircross", "Berlingo", "Jumper"}, {"Iveco", "Daily", "Eurocargo", "Stralis"},
            {"Mercedes-Benz", "Sprinter", "Vito", "Classe A"}, {"Piaggio", "Vespa 125", "Porter", "Ape"},
            {"Alfa Romeo", "Giulia", "Stelvio", "Tonale"},  {"Škoda", "Octavia", "Fabia", "Superb"}};
        static const char* const colours[] = {"Bianco", "Nero", "Grigio metallizzato", "Rosso", "Blu notte", "Argento"};
        static const char* const fuels[] = {"Benzina", "Gasolio", "GPL", "Metano", "Elettrica", "Ibrida"};
        static const char* const states[] = {"In servizio", "In officina", "Fermo", "In servizio", "In servizio"};
        static const char* const first[] = {"Mario", "Luca", "Giulia", "Niccolò", "Francesca", "Andrea", "Chiara"};
        static const char* const last[] = {"Rossi", "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci"};
        static const char* const owners[] = {"Società Trasporti Riuniti S.r.l.", "Comune di Vestrano",
                                             "Edil Costruzioni & Figli S.p.A.", "Cooperativa Sociale L'Àncora"};

        F c;
        const auto pick = [this](const auto& table) {
            return QString::fromUtf8(table[uniform(0, int(std::size(table)) - 1)]);
        };
        const int make = uniform(0, int(std::size(makes)) - 1);
        c[F::Tipo] = pick(types);
        c[F::Destinazione] = uniform(0, 1) ? QStringLiteral("Trasporto merci") : QStringLiteral("Uso aziendale");
        c[F::Marca] = QString::fromUtf8(makes[make][0]);
        c[F::Modello] = QString::fromUtf8(makes[make][uniform(1, 3)]);
        c[F::Targa] = QStringLiteral("%1%2%3%4%5")
                          .arg(letter())
                          .arg(letter())
                          .arg(uniform(0, 999), 3, 10, QLatin1Char('0'))
                          .arg(letter())
                          .arg(letter());
        c[F::Anno] = date(-20 * 365, -100);
        c[F::Colore] = pick(colours);
        c[F::Telaio] = QStringLiteral("ZFA%1").arg(uniform(10000000, 99999999)) + QStringLiteral("X1234");
        c[F::Pneumatici] = QStringLiteral("205/55 R16 91V estivi, ultimo cambio presso il gommista di fiducia");
        c[F::Stato] = pick(states);
        c[F::Chilometri] = QString::number(uniform(0, 400000));
        c[F::Lettura] = date(-300, 0);
        c[F::Alimentazione] = pick(fuels);
        c[F::Cilindrata] = QString::number(uniform(9, 30) * 100);
        c[F::KW] = QString::number(uniform(40, 250));
        c[F::Ambiente] = QStringLiteral("Euro %1").arg(uniform(3, 6));
        c[F::Posti] = QString::number(uniform(1, 9));
        c[F::Portata] = QStringLiteral("%1 kg").arg(uniform(3, 60) * 100);
        c[F::Compagnia] = QStringLiteral("Assicurazioni Generali - Agenzia di Vestrano");
        c[F::TelAssicuratore] = QStringLiteral("0543 %1").arg(uniform(100000, 999999));
        c[F::Polizza] = QStringLiteral("%1,%2").arg(uniform(300, 2500)).arg(uniform(0, 99), 2, 10, QLatin1Char('0'));
        c[F::Incidenti] = uniform(0, 4) ? QString() : QStringLiteral("Tamponamento lieve, paraurti posteriore sostituito");
        c[F::Proprietario] = uniform(0, 2) ? pick(owners) : pick(first) + u' ' + pick(last);
        c[F::Autista] = pick(first) + u' ' + pick(last);
        c[F::TelAutista] = QStringLiteral("333 %1").arg(uniform(1000000, 9999999));
        c[F::Meccanico] = QStringLiteral("Officina ") + pick(last);
        c[F::TelMeccanico] = QStringLiteral("0543 %1").arg(uniform(100000, 999999));
        for (F::Field f : {F::ScadRevisione, F::ScadTagliando, F::ScadAssicurazione, F::ScadBollo})
            c[f] = deadline();
        c[F::Note] = QStringLiteral("Controllare livello olio e pressione pneumatici a ogni rifornimento; "
                                    "chiavi di scorta in ufficio.");
        return c;
    }

    // Writes `count` cards to `path`; returns false when the file cannot be written.
    bool writeFile(const QString& path, int count) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QByteArray block;
        for (int i = 0; i < count; ++i) {
            block += next().encode();
            if (block.size() > (4 << 20) || i + 1 == count) {
                if (f.write(block) != block.size())
                    return false;
                block.clear();
            }
        }
        return true;
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    QChar letter() { return QChar(u'A' + uniform(0, 25)); }
    QString date(int fromDays, int toDays) {
        return m_today.addDays(uniform(fromDays, toDays)).toString(QStringLiteral("dd/MM/yyyy"));
    }
    QString deadline() {
        const int kind = uniform(0, 199);
        if (kind < 6)
            return {};
        if (kind == 6)
            return QStringLiteral("31/02/2027");
        return date(-60, 365);
    }

    std::mt19937 m_random;
    QDate m_today;
};

} // namespace bench
