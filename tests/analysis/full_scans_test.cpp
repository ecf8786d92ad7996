// Every full scan gives on all cores exactly what it gives on one: the same rows in the same
// order, the same totals to the last bit, and the same rows kept when the file fails part-way.
#include "analysis/cost_summary.h"
#include "analysis/monthly_costs.h"
#include "costs/cost_export.h"
#include "costs/cost_list.h"
#include "deadlines/deadline_rule.h"
#include "records/record_file.h"
#include "support/failing_device.h"
#include "support/test_registry.h"
#include "vehicle_output/export_grid_model.h"
#include "vehicle_output/export_screen.h"
#include "vehicle_output/vehicle_export.h"
#include "vehicle_output/vehicle_search.h"

#include <QTest>

#include <functional>
#include <memory>
#include <random>

namespace {

using C = TSchedaCosto;
using V = TSchedaVeicolo;

// Values from small tables, with what real files hold now and then: accented letters, blanks,
// dates that are no dates, amounts that are no numbers, length bytes past the field.
class Generator {
public:
    QString pick(std::initializer_list<const char*> values) {
        const auto i = std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(m_random);
        return QString::fromUtf8(values.begin()[i]);
    }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    QString date(int year) {
        switch (number(0, 40)) {
        case 0:
            return {};
        case 1:
            return QStringLiteral("31/02/%1").arg(year);
        case 2:
            return QStringLiteral("  %1/13/%2").arg(number(1, 28), 2, 10, QLatin1Char('0')).arg(year);
        default:
            return QStringLiteral("%1/%2/%3")
                .arg(number(1, 28), 2, 10, QLatin1Char('0'))
                .arg(number(1, 12), 2, 10, QLatin1Char('0'))
                .arg(year + (number(0, 20) == 0 ? 1 : 0));
        }
    }

    QByteArray costs(int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i) {
            C e;
            e[C::Data] = date(2026);
            e[C::Marca] = pick({"Fiat", "Citroën", "Škoda", "", "Mercedes-Benz"});
            e[C::Modello] = pick({"Panda", "C3 Aircross", "Octavia", " Sprinter "});
            e[C::Targa] = QStringLiteral("AB%1CD").arg(number(0, 999), 3, 10, QLatin1Char('0'));
            e[C::Causale] = pick({"Cambio olio", "Bollo", "Revisione", "Multa €", "olio freni"});
            e[C::Beneficiario] = pick({"Officina Bianchi", "Gommista Da Gino", "ACI"});
            e[C::Importo] = number(0, 30) == 0 ? pick({"", "abc", "1.234,5"})
                                               : QStringLiteral("%1,%2").arg(number(0, 3000)).arg(number(0, 99));
            e[C::Saldato] = pick({"Sì", "No", "No", "", " No"});
            e[C::Note] = pick({"", "Da verificare", "<urgente> & \"subito\""});
            QByteArray record = e.encode();
            if (number(0, 50) == 0) // a length byte past its field's capacity
                record[C::layout().field(C::Targa).offset] = char(0xFF);
            bytes += record;
        }
        return bytes;
    }

    QByteArray vehicles(int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i) {
            V c;
            c[V::Tipo] = pick({"Autovettura", "Autocarro", "Furgone", "Ciclomotore", ""});
            c[V::Marca] = pick({"Fiat", "Citroën", "Škoda", "Iveco"});
            c[V::Modello] = pick({"Panda", "Berlingo", "Octavia", "Daily"});
            c[V::Targa] = QStringLiteral("XY%1ZW").arg(number(0, 999), 3, 10, QLatin1Char('0'));
            c[V::Proprietario] = pick({"Comune di Vestrano", "Rossi Mario", "Società Trasporti"});
            c[V::Chilometri] = QString::number(number(0, 400000));
            for (V::Field f : {V::ScadRevisione, V::ScadTagliando, V::ScadAssicurazione, V::ScadBollo})
                c[f] = date(2026);
            bytes += c.encode();
        }
        return bytes;
    }

private:
    std::mt19937 m_random{20261210};
};

// 6,000 entries are more than two reads of the scan; 3,000 cards about two and a half.
const QByteArray& costFile() {
    static const QByteArray bytes = Generator().costs(6000);
    return bytes;
}
const QByteArray& vehicleFile() {
    static const QByteArray bytes = Generator().vehicles(3000);
    return bytes;
}

// What one scan gives, as text, and whether it failed.
using Scan = std::function<QStringList(RecordFile& file, int workers)>;

std::pair<QStringList, bool> run(const Scan& scan, const QByteArray& bytes, int recordSize, qint64 failAt, int workers) {
    RecordFile file(std::make_unique<FailingDevice>(bytes, failAt), recordSize);
    QStringList out;
    try {
        out = scan(file, workers);
    } catch (const RecordFileError&) {
        return {out, true};
    }
    return {out, false};
}

QStringList rows(const std::function<void(std::vector<QString>&)>& collect) {
    std::vector<QString> rows;
    try {
        collect(rows);
    } catch (const RecordFileError&) {
        // The rows made before the failure are what the screens show: they count too.
        return QStringList(rows.begin(), rows.end()) << QStringLiteral("<failed>");
    }
    return QStringList(rows.begin(), rows.end());
}

QStringList grid(const ExportSetup& setup, RecordFile& file, int workers) {
    std::vector<ExportGridModel::Column> columns;
    for (const ExportSetup::Column& c : setup.columns)
        columns.push_back({QString::fromUtf8(c.header), c.field, c.editable});
    ExportGridModel model(*setup.layout, columns);
    model.load(file, workers);
    QStringList cells;
    for (int r = 0; r < model.recordCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            cells << model.cell(r, c);
    return cells;
}

QString exact(double value) {
    return QString::number(value, 'g', 17);
}

// The lines, their total and count: what the summary shows, also after a failure.
QStringList summary(RecordFile& file, const cost_summary::Request& request, int workers) {
    cost_summary::Result result;
    const QStringList failed = rows([&](auto&) { cost_summary::read(file, request, result, workers); });
    return QStringList(result.lines.begin(), result.lines.end())
           << exact(result.total) << QString::number(result.listed) << failed;
}

} // namespace

Q_DECLARE_METATYPE(Scan)

class FullScansTest : public QObject {
    Q_OBJECT
private slots:
    void sameOnEveryCoreAsOnOne_data() {
        QTest::addColumn<Scan>("scan");
        QTest::addColumn<bool>("costs");
        const QDate today(2026, 6, 15);
        QTest::newRow("vehicle search, no criteria") << Scan([](RecordFile& f, int w) {
            return rows([&](auto& r) { vehicle_search::collect(f, vehicle_search::Criteria({}), r, w); });
        }) << false;
        QTest::newRow("vehicle search, two criteria") << Scan([](RecordFile& f, int w) {
            const vehicle_search::Criteria criteria({QStringLiteral("auto"), {}, QStringLiteral("fi")});
            return rows([&](auto& r) { vehicle_search::collect(f, criteria, r, w); });
        }) << false;
        for (deadlines::Kind kind : deadlines::kKinds)
            QTest::newRow(deadlines::setup(kind).screen) << Scan([kind, today](RecordFile& f, int w) {
                return rows([&](auto& r) { deadlines::collectDue(f, kind, today, r, w); });
            }) << false;
        QTest::newRow("vehicle export grid") << Scan([](RecordFile& f, int w) {
            return grid(vehicle_export::setup(), f, w);
        }) << false;
        QTest::newRow("unpaid list") << Scan([](RecordFile& f, int w) {
            return rows([&](auto& r) { cost_list::collectUnpaid(f, r, w); });
        }) << true;
        QTest::newRow("cost search, no criteria") << Scan([](RecordFile& f, int w) {
            return rows([&](auto& r) { cost_list::collect(f, cost_list::searchCriteria({}), r, w); });
        }) << true;
        QTest::newRow("cost search, two criteria") << Scan([](RecordFile& f, int w) {
            const FieldCriteria criteria = cost_list::searchCriteria({QStringLiteral("/03/"), QStringLiteral("OLIO")});
            return rows([&](auto& r) { cost_list::collect(f, criteria, r, w); });
        }) << true;
        QTest::newRow("summary, whole year") << Scan([](RecordFile& f, int w) {
            return summary(f, {{}, {}, QDate(2026, 1, 1), QDate(2026, 12, 31)}, w);
        }) << true;
        QTest::newRow("summary, both filters") << Scan([](RecordFile& f, int w) {
            return summary(f, {QStringLiteral("ab"), QStringLiteral("olio"), QDate(2026, 3, 1), QDate(2026, 9, 30)}, w);
        }) << true;
        QTest::newRow("monthly statistics") << Scan([](RecordFile& f, int w) {
            const monthly_costs::Sums sums = monthly_costs::read(f, QStringLiteral("2026"), w);
            QStringList months;
            for (int m = 0; m < monthly_costs::kMonths; ++m)
                months << exact(sums.sum(m)) << sums.text(m);
            return months;
        }) << true;
        QTest::newRow("cost export grid") << Scan([](RecordFile& f, int w) {
            return grid(cost_export::setup(), f, w);
        }) << true;
    }
    void sameOnEveryCoreAsOnOne() {
        QFETCH(Scan, scan);
        QFETCH(bool, costs);
        const QByteArray& bytes = costs ? costFile() : vehicleFile();
        const int size = costs ? C::kRecordSize : V::kRecordSize;
        // Whole, then failing in the middle of the second read of the file.
        for (const qint64 failAt : {bytes.size() + 1, bytes.size() / 2 + 7}) {
            const auto one = run(scan, bytes, size, failAt, 1);
            QVERIFY(one.second || one.first.size() > 1);
            for (const int workers : {2, 4}) {
                const auto many = run(scan, bytes, size, failAt, workers);
                QCOMPARE(many.second, one.second);
                QCOMPARE(many.first, one.first);
            }
        }
    }
};

VESTRANO_TEST(FullScansTest)
#include "full_scans_test.moc"
