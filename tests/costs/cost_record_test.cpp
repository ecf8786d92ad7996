#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using C = TSchedaCosto;

C sampleEntry() {
    C e;
    e[C::Giorno] = QStringLiteral("05");
    e[C::Mese] = QStringLiteral("Marzo");
    e[C::Anno] = QStringLiteral("2014");
    e[C::Data] = QStringLiteral("05/03/2014");
    e[C::Marca] = QStringLiteral("Fiat");
    e[C::Targa] = QStringLiteral("AB123CD");
    e[C::Causale] = QStringLiteral("Cambio olio");
    e[C::Importo] = QStringLiteral("45,50");
    e[C::Saldato] = C::paid();
    e[C::Note] = QStringLiteral("città");
    return e;
}

} // namespace

class CostRecordTest : public QObject {
    Q_OBJECT
private slots:
    void layout_offsetsOfEveryField_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("offset");
        const int table[][3] = {{C::Giorno, 2, 0},        {C::Mese, 10, 3},          {C::Anno, 4, 14},
                                {C::Data, 10, 19},        {C::Luogo, 50, 30},        {C::Veicolo, 50, 81},
                                {C::Marca, 50, 132},      {C::Modello, 50, 183},     {C::Colore, 50, 234},
                                {C::Alimentazione, 50, 285}, {C::Targa, 30, 336},    {C::Causale, 50, 367},
                                {C::Descrizione, 250, 418}, {C::Modalita, 120, 669}, {C::Estremi, 120, 790},
                                {C::Importo, 15, 911},    {C::Pagatore, 120, 927},   {C::RecPagatore, 50, 1048},
                                {C::Beneficiario, 120, 1099}, {C::RecBeneficiario, 50, 1220},
                                {C::Conducente, 50, 1271}, {C::Recapito, 50, 1322},  {C::Saldato, 2, 1373},
                                {C::Note, 250, 1376}};
        for (const auto& row : table)
            QTest::newRow(qPrintable(C::fieldName(row[0]))) << row[0] << row[1] << row[2];
    }
    void layout_offsetsOfEveryField() {
        QFETCH(int, field);
        QFETCH(int, capacity);
        QFETCH(int, offset);
        QCOMPARE(C::layout().fieldCount(), 24);
        QCOMPARE(C::layout().recordSize(), 1627);
        QCOMPARE(C::layout().field(field).capacity, capacity);
        QCOMPARE(C::layout().field(field).offset, offset);
    }

    void encode_paidFlagBytes_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("paid") << C::paid() << QByteArray("\x02\x53\xEC", 3);
        QTest::newRow("unpaid") << C::unpaid() << QByteArray("\x02\x4E\x6F", 3);
    }
    void encode_paidFlagBytes() {
        QFETCH(QString, flag);
        QFETCH(QByteArray, bytes);
        C e = sampleEntry();
        e[C::Saldato] = flag;
        const QByteArray record = e.encode();
        QCOMPARE(record.size(), 1627);
        QCOMPARE(record.mid(1373, 3), bytes);
        QCOMPARE(C::decode(record)[C::Saldato], flag);
    }

    void encode_fieldsAtTheirOffsets() {
        const QByteArray r = sampleEntry().encode();
        QCOMPARE(r.mid(0, 3), QByteArray("\x02" "05"));
        QCOMPARE(r.mid(3, 6), QByteArray("\x05Marzo"));
        QCOMPARE(r.mid(19, 11), QByteArray("\x0A" "05/03/2014"));
        QCOMPARE(r.mid(336, 8), QByteArray("\x07" "AB123CD"));
        QCOMPARE(r.mid(911, 6), QByteArray("\x05" "45,50"));
        QCOMPARE(r.mid(1376, 6), QByteArray("\x05" "citt\xE0", 6));
        QCOMPARE(C::decode(r).values, sampleEntry().values);
        QCOMPARE(C::fieldOf(r, C::Causale), QStringLiteral("Cambio olio"));
    }

    void file_appendUpdateRead_andShortTailIsOverwritten() {
        QTemporaryDir dir;
        const QString path = CostFile::pathFor(dir.path() + u'/', QStringLiteral("2014"));
        QVERIFY(path.endsWith(QLatin1String("/2014.eur")));
        // A record and a half: the tail is no record and the next append takes its place.
        fixtures::writeFile(path, sampleEntry().encode() + QByteArray(700, 'x'));
        {
            CostFile file(path);
            QCOMPARE(file.count(), 1);
            C second = sampleEntry();
            second[C::Marca] = QStringLiteral("Ford");
            QCOMPARE(file.append(second), 2);
            second[C::Saldato] = C::unpaid();
            file.updateAt(2, second);
            QCOMPARE(file.entryAt(2)[C::Saldato], C::unpaid());
            QCOMPARE(file.entryAt(1)[C::Marca], QStringLiteral("Fiat"));
            file.close();
        }
        QCOMPARE(fixtures::readFile(path).size(), 2 * 1627);
    }

    void file_missingYearIsCreatedEmpty() {
        QTemporaryDir dir;
        const QString path = CostFile::pathFor(dir.path() + u'/', QStringLiteral("2031"));
        CostFile file(path);
        QCOMPARE(file.count(), 0);
        file.close();
        QVERIFY(QFile::exists(path));
    }
};

VESTRANO_TEST(CostRecordTest)
#include "cost_record_test.moc"
