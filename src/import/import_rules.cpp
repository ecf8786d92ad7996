#include "import/import_rules.h"

#include "costs/cost_record.h"
#include "costs/cost_rules.h"
#include "records/cp1252.h"
#include "records/record_layout.h"
#include "records/text_rules.h"
#include "vehicles/plate_rules.h"
#include "vehicles/vehicle_record.h"

#include <QHash>
#include <QRegularExpression>

namespace import_rules {
namespace {

using V = TSchedaVeicolo;
using C = TSchedaCosto;

QString quoted(const QString& s) {
    return u'"' + s + u'"';
}

// Header names compare by their letters and digits only: "Tel. autista", "TEL AUTISTA" and
// "TelAutista" are one name, and so are "Modalità" and "Modalita".
QString headerKey(const QString& name) {
    QString key;
    for (QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.isLetterOrNumber())
            key.append(c.toLower());
    return key;
}

Field field(int f, const char* name, std::initializer_list<const char*> aliases = {},
            Rule rule = Rule::Text, bool required = false) {
    Field out{f, QString::fromUtf8(name), {}, rule, required};
    for (const char* a : aliases)
        out.aliases.append(QString::fromUtf8(a));
    return out;
}

// A one-line field cannot hold the line breaks a quoted cell may carry.
QString oneLine(const QString& raw) {
    QString s = raw;
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\t]+"));
    s.replace(breaks, QStringLiteral(" "));
    return text::trimmed(s);
}

std::optional<QChar> firstUnstorable(const QString& s) {
    for (QChar c : s)
        if (c != u'?' && cp1252::encodeChar(c) == '?')
            return c;
    return std::nullopt;
}

struct Date {
    int day = 0, month = 0, year = 0;
};

// The forms spreadsheet programs write a date in: d/m/yyyy (also with - or .) and yyyy-mm-dd.
std::optional<Date> readDate(const QString& s) {
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    if (const auto m = dmy.match(s); m.hasMatch())
        return Date{m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
    if (const auto m = iso.match(s); m.hasMatch())
        return Date{m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()};
    return std::nullopt;
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// An amount as spreadsheet programs show it, made into the plain form the amount field reads
// ("1234,5"): a euro sign and blanks around are dropped; with both "." and "," the later one is
// the decimal separator and the other groups thousands; a lone "," is decimal, and so is a lone
// "." unless it groups thousands (1.234 is one thousand two hundred and thirty-four, as written
// in Italy). No sign: amounts are never negative.
std::optional<QString> plainAmount(const QString& raw) {
    QString s;
    for (QChar c : raw)
        if (c != u'€' && !c.isSpace())
            s.append(c);
    if (s.endsWith(QStringLiteral("EUR"), Qt::CaseInsensitive))
        s.chop(3);
    static const QRegularExpression shape(QStringLiteral("^[0-9.,]*[0-9][0-9.,]*$"));
    if (!shape.match(s).hasMatch())
        return std::nullopt;
    const qsizetype lastComma = s.lastIndexOf(u','), lastPoint = s.lastIndexOf(u'.');
    QChar decimal = u',';
    QChar grouping = u'.';
    if (lastPoint > lastComma) {
        static const QRegularExpression groupedByPoints(QStringLiteral("^\\d{1,3}(\\.\\d{3})+$"));
        if (lastComma >= 0 || (s.count(u'.') == 1 && !groupedByPoints.match(s).hasMatch()))
            std::swap(decimal, grouping);
    }
    const QString integer = s.section(decimal, 0, 0);
    if (s.count(decimal) > 1)
        return std::nullopt;
    if (integer.contains(grouping)) {
        static const QRegularExpression groups(QStringLiteral("^\\d{1,3}([.,]\\d{3})+$"));
        if (!groups.match(integer).hasMatch())
            return std::nullopt;
    }
    if (s.section(decimal, 1).contains(grouping))
        return std::nullopt;
    QString plain = s;
    plain.remove(grouping);
    plain.replace(decimal, u',');
    return plain;
}

std::optional<QString> paidFlag(const QString& s) {
    static const QStringList yes{QStringLiteral("sì"), QStringLiteral("si"), QStringLiteral("s"),
                                 QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("vero")};
    static const QStringList no{QString(), QStringLiteral("no"), QStringLiteral("n"),
                                QStringLiteral("0"), QStringLiteral("falso")};
    const QString key = s.toLower();
    if (yes.contains(key))
        return C::paid();
    if (no.contains(key))
        return C::unpaid();
    return std::nullopt;
}

// Puts one field's value into `values`, or says why it cannot.
class RowBuilder {
public:
    RowBuilder(const RecordLayout& layout, const QString& year) : m_layout(layout), m_year(year) {}

    void take(const Field& f, const QString& raw, QStringList& values, QStringList& problems) {
        const QString value = oneLine(raw);
        const auto problem = [&](const QString& what) { problems.append(f.name + QStringLiteral(": ") + what); };
        if (value.isEmpty()) {
            if (f.required)
                problem(QStringLiteral("valore obbligatorio mancante"));
            else if (f.rule == Rule::Amount)
                values[f.field] = QStringLiteral("0,00"); // as an emptied amount field
            else if (f.rule == Rule::Paid)
                values[f.field] = C::unpaid();
            return;
        }
        if (const auto c = firstUnstorable(value)) {
            problem(QStringLiteral("il carattere %1 non si può salvare nell'archivio").arg(quoted(*c)));
            return;
        }
        QString stored = value;
        switch (f.rule) {
        case Rule::Text:
            break;
        case Rule::VehiclePlate:
            for (QChar c : value)
                if (plate::isRefused(c)) {
                    problem(QStringLiteral("il carattere %1 non è ammesso nella targa").arg(quoted(c)));
                    return;
                }
            stored = plate::normalised(value);
            break;
        case Rule::CostPlate:
            stored = text::upperAZ(value);
            break;
        case Rule::Date:
        case Rule::PaymentDate: {
            const auto date = readDate(value);
            if (!date) {
                problem(QStringLiteral("%1 non è una data (gg/mm/aaaa)").arg(quoted(value)));
                return;
            }
            stored = twoDigits(date->day) + u'/' + twoDigits(date->month) + u'/' +
                     QStringLiteral("%1").arg(date->year, 4, 10, QLatin1Char('0'));
            if (!cost_rules::isCalendarDate(date->day, date->month, date->year)) {
                problem(QStringLiteral("la data %1 non esiste").arg(stored));
                return;
            }
            if (f.rule == Rule::PaymentDate) {
                if (date->year != m_year.toInt()) {
                    problem(QStringLiteral("la data %1 non è dell'anno %2").arg(stored, m_year));
                    return;
                }
                values[C::Giorno] = twoDigits(date->day);
                values[C::Mese] = cost_rules::months().at(date->month - 1);
                values[C::Anno] = m_year;
            }
            break;
        }
        case Rule::Amount: {
            const auto plain = plainAmount(value);
            if (!plain) {
                problem(QStringLiteral("l'importo %1 non si può leggere").arg(quoted(value)));
                return;
            }
            stored = cost_rules::normaliseAmount(*plain, cost_rules::AmountForm::Leaving);
            break;
        }
        case Rule::Paid: {
            const auto flag = paidFlag(value);
            if (!flag) {
                problem(QStringLiteral("%1 non è Sì o No").arg(quoted(value)));
                return;
            }
            stored = *flag;
            break;
        }
        }
        const int capacity = m_layout.field(f.field).capacity;
        if (stored.size() > capacity) {
            problem(QStringLiteral("testo di %1 caratteri, il campo ne contiene al massimo %2")
                        .arg(stored.size())
                        .arg(capacity));
            return;
        }
        values[f.field] = stored;
    }

private:
    const RecordLayout& m_layout;
    QString m_year;
};

} // namespace

const Target& vehicles() {
    static const Target t{
        &V::layout(),
        {
            field(V::Tipo, "Tipo veicolo", {}, Rule::Text, true),
            field(V::Destinazione, "Destinazione ed uso", {"Destinazione e uso"}),
            field(V::Marca, "Marca", {}, Rule::Text, true),
            field(V::Modello, "Modello", {}, Rule::Text, true),
            field(V::Targa, "Targa", {}, Rule::VehiclePlate, true),
            field(V::Anno, "Immatricolazione", {}),
            field(V::Colore, "Colore"),
            field(V::Telaio, "Telaio"),
            field(V::Pneumatici, "Pneumatici"),
            field(V::Stato, "Stato veicolo"),
            field(V::Chilometri, "Km percorsi", {"Chilometri percorsi"}),
            field(V::Lettura, "Data lettura", {}, Rule::Date),
            field(V::Alimentazione, "Alimentazione"),
            field(V::Cilindrata, "Cilindrata"),
            field(V::KW, "kW"),
            field(V::Ambiente, "Compatibilità ambientale"),
            field(V::Posti, "Numero posti"),
            field(V::Portata, "Portata massima"),
            field(V::Compagnia, "Compagnia assicurativa"),
            field(V::TelAssicuratore, "Tel. assicuratore"),
            field(V::Polizza, "Importo polizza"),
            field(V::Incidenti, "Incidenti subiti"),
            field(V::Proprietario, "Proprietario"),
            field(V::Autista, "Autista"),
            field(V::TelAutista, "Tel. autista", {"Telefono autista"}),
            field(V::Meccanico, "Meccanico"),
            field(V::TelMeccanico, "Tel. meccanico", {"Telefono meccanico"}),
            field(V::ScadRevisione, "Scad. revisione", {"Scadenza revisione"}, Rule::Date),
            field(V::ScadTagliando, "Scad. tagliando", {"Scadenza tagliando"}, Rule::Date),
            field(V::ScadAssicurazione, "Scad. assicurazione", {"Scadenza assicurazione"}, Rule::Date),
            field(V::ScadBollo, "Scad. bollo", {"Scadenza bollo"}, Rule::Date),
            field(V::Note, "Note"),
        },
    };
    return t;
}

const Target& costs() {
    static const Target t{
        &C::layout(),
        {
            field(C::Data, "Data saldo", {"Data pagamento"}, Rule::PaymentDate, true),
            field(C::Luogo, "Luogo"),
            field(C::Veicolo, "Tipo veicolo"),
            field(C::Marca, "Marca", {}, Rule::Text, true),
            field(C::Modello, "Modello", {}, Rule::Text, true),
            field(C::Colore, "Colore"),
            field(C::Alimentazione, "Alimentazione"),
            field(C::Targa, "Targa", {}, Rule::CostPlate, true),
            field(C::Causale, "Causale pagamento", {"Causale"}, Rule::Text, true),
            field(C::Descrizione, "Descrizione costi", {"Descrizione"}),
            field(C::Modalita, "Modalità di pagamento", {"Modalità"}),
            field(C::Estremi, "Estremi ricevuta", {"Estremi scontrino, ricevuta o fattura"}),
            field(C::Importo, "Importo in euro", {"Importo"}, Rule::Amount),
            field(C::Pagatore, "Pagatore"),
            field(C::RecPagatore, "Tel. pagatore", {"Recapito pagatore"}),
            field(C::Beneficiario, "Beneficiario"),
            field(C::RecBeneficiario, "Tel. beneficiario", {"Recapito beneficiario"}),
            field(C::Conducente, "Conduttore o responsabile", {"Conduttore", "Conducente"}),
            field(C::Recapito, "Tel. conduttore", {"Recapito conduttore"}),
            field(C::Note, "Note"),
            field(C::Saldato, "Saldato", {}, Rule::Paid),
        },
    };
    return t;
}

QList<int> mapByHeader(const Target& target, const QStringList& header) {
    QHash<QString, int> byKey;
    for (int i = 0; i < static_cast<int>(target.fields.size()); ++i) {
        const Field& f = target.fields[static_cast<std::size_t>(i)];
        byKey.insert(headerKey(QString::fromLatin1(target.layout->field(f.field).name)), i);
        for (const QString& alias : f.aliases)
            byKey.insert(headerKey(alias), i);
        byKey.insert(headerKey(f.name), i);
    }
    QList<int> mapping;
    QList<int> taken;
    for (const QString& name : header) {
        int index = byKey.value(headerKey(name), kNotImported);
        // A second column of the same name stays out rather than fight over the field.
        if (index != kNotImported && taken.contains(index))
            index = kNotImported;
        if (index != kNotImported)
            taken.append(index);
        mapping.append(index);
    }
    return mapping;
}

Outcome makeRecord(const Target& target, const QList<int>& mapping, const QStringList& fields,
                   const QString& year) {
    QStringList values(target.layout->fieldCount());
    Outcome out;
    RowBuilder builder(*target.layout, year);
    std::vector<bool> seen(target.fields.size(), false);
    for (qsizetype column = 0; column < mapping.size(); ++column) {
        const int index = mapping[column];
        if (index == kNotImported)
            continue;
        seen[static_cast<std::size_t>(index)] = true;
        builder.take(target.fields[static_cast<std::size_t>(index)], fields.value(column), values,
                     out.problems);
    }
    // Fields no column fills start as a new record on the screen does.
    for (std::size_t i = 0; i < target.fields.size(); ++i)
        if (!seen[i] && !target.fields[i].required)
            builder.take(target.fields[i], QString(), values, out.problems);
    if (out.problems.isEmpty())
        out.record = target.layout->encode(values);
    return out;
}

Check check(const Target& target, const csv::Table& table, const QList<int>& mapping,
            const QString& year) {
    Check result;
    if (table.header.isEmpty())
        result.general.append(QStringLiteral("Il file è vuoto."));
    else if (table.rows.isEmpty())
        result.general.append(QStringLiteral("Il file non contiene righe da importare."));
    for (std::size_t i = 0; i < target.fields.size(); ++i) {
        const Field& f = target.fields[i];
        const auto columns = static_cast<int>(mapping.count(static_cast<int>(i)));
        if (columns > 1)
            result.general.append(QStringLiteral("Il campo %1 è scelto per %2 colonne.").arg(f.name).arg(columns));
        else if (columns == 0 && f.required && !table.header.isEmpty())
            result.general.append(
                QStringLiteral("Nessuna colonna per il campo obbligatorio %1.").arg(f.name));
    }
    result.rowProblems.reserve(table.rows.size());
    for (const csv::Row& row : table.rows) {
        QStringList problems = makeRecord(target, mapping, row.fields, year).problems;
        if (!problems.isEmpty())
            ++result.rowsWithProblems;
        result.rowProblems.append(std::move(problems));
    }
    return result;
}

} // namespace import_rules
