#include "support/app_harness.h"
#include "support/test_registry.h"

#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QLabel>

namespace {

using F = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");

QString position(AppHarness& app) {
    return app.control<QLabel>(kCard, QStringLiteral("lblPosizione"))->text();
}
QString fieldText(AppHarness& app, F::Field f) {
    return app.control<QLineEdit>(kCard, F::controlName(f))->text();
}
void setField(AppHarness& app, F::Field f, const QString& value) {
    app.control<QLineEdit>(kCard, F::controlName(f))->setText(value);
}
void clickTool(AppHarness& app, const QString& name) {
    AppHarness::click(app.control(kCard, name));
}

} // namespace

class VehicleCardTest : public QObject {
    Q_OBJECT
private slots:
    void recordLayout_matchesTheFile() {
        const RecordLayout& layout = F::layout();
        QCOMPARE(layout.recordSize(), 3370);
        QCOMPARE(layout.fieldCount(), 38);
        QCOMPARE(layout.field(F::Targa).offset, 204);
        QCOMPARE(layout.field(F::Lettura).offset, 523);
        QCOMPARE(layout.field(F::Incidenti).offset, 1063);
        QCOMPARE(layout.field(F::ScadBollo).offset, 1602);
        QCOMPARE(layout.field(F::Note).offset, 1613);
        QCOMPARE(layout.field(F::Desc03).offset, 3119);
        QCOMPARE(F::controlName(F::KW), QStringLiteral("txtKW"));
        QCOMPARE(F::controlName(F::File02), QStringLiteral("lblFile02"));
    }

    void fill_setsAttachmentsAndTrims() {
        AppHarness app;
        F card = fixtures::vehicle(QStringLiteral("1"));
        card[F::File02] = QStringLiteral("libretto.pdf");
        card[F::Desc02] = QStringLiteral("Libretto");
        QByteArray bytes = card.encode();
        bytes[204] = 5; // a stored plate with a trailing blank
        std::memcpy(bytes.data() + 205, "AB12 ", 5);
        fixtures::writeFile(VehicleFile::pathIn(app.dir()), bytes);
        app.openArea(kCard);
        clickTool(app, QStringLiteral("cmdPrimo"));
        QCOMPARE(fieldText(app, F::Targa), QStringLiteral("AB12"));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblFile02"))->text(), QStringLiteral("libretto.pdf"));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblDesc02"))->text(), QStringLiteral("Libretto"));
    }

    void save_requiredFieldsInOrder_data() {
        QTest::addColumn<QStringList>("filled"); // of Tipo, Marca, Modello, Targa
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing") << QStringList{} << "il tipo di veicolo" << "txtTipo";
        QTest::newRow("make and model missing") << QStringList{"Tipo", "Targa"} << "la marca del veicolo"
                                                << "txtMarca";
        QTest::newRow("model missing") << QStringList{"Tipo", "Marca", "Targa"} << "il modello del veicolo"
                                       << "txtModello";
        QTest::newRow("plate blank") << QStringList{"Tipo", "Marca", "Modello"} << "la targa del veicolo"
                                     << "txtTarga";
    }
    void save_requiredFieldsInOrder() {
        QFETCH(QStringList, filled);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        AppHarness app;
        app.openArea(kCard);
        for (const QString& name : {QStringLiteral("Tipo"), QStringLiteral("Marca"), QStringLiteral("Modello"),
                                    QStringLiteral("Targa")})
            app.control<QLineEdit>(kCard, QStringLiteral("txt") + name)
                ->setText(filled.contains(name) ? QStringLiteral("x") : QStringLiteral("   "));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + warning + u'.'});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("warning"));
        QCOMPARE(AppHarness::focused()->objectName(), focus);
        QVERIFY(!QFile::exists(VehicleFile::pathIn(app.dir())));
    }

    void save_appendsThenUpdatesInPlace() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("1"))});
        app.openArea(kCard);
        setField(app, F::Tipo, QStringLiteral("  Furgone "));
        setField(app, F::Marca, QStringLiteral("Fiat"));
        setField(app, F::Modello, QStringLiteral("Ducato"));
        setField(app, F::Targa, QStringLiteral("AB123CD"));
        setField(app, F::Telaio, QStringLiteral("ZFA12345678901234")); // 17 characters, 10 kept
        app.control<QLabel>(kCard, QStringLiteral("lblDesc01"))->setText(QStringLiteral("Contratto"));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("information"));
        QCOMPARE(position(app), QStringLiteral("2"));
        QList<F> stored = fixtures::readVehicles(app.dir());
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[1][F::Tipo], QStringLiteral("Furgone"));
        QCOMPARE(stored[1][F::Telaio], QStringLiteral("ZFA1234567"));
        QCOMPARE(stored[1][F::Desc01], QStringLiteral("Contratto"));

        app.dialogs().clear();
        setField(app, F::Colore, QStringLiteral("Bianco"));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
        stored = fixtures::readVehicles(app.dir());
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[1][F::Colore], QStringLiteral("Bianco"));
        QCOMPARE(stored[0][F::Tipo], QStringLiteral("Auto 1"));

        clickTool(app, QStringLiteral("cmdPrimo"));
        clickTool(app, QStringLiteral("cmdUltimo"));
        QCOMPARE(fieldText(app, F::Telaio), QStringLiteral("ZFA1234567"));
    }

    void duplicate_savesANewCardWithoutAttachments() {
        AppHarness app;
        QList<F> cards;
        for (int i = 1; i <= 10; ++i)
            cards.append(fixtures::vehicle(QString::number(i)));
        cards[3][F::File01] = QStringLiteral("a.pdf");
        fixtures::writeVehicles(app.dir(), cards);
        app.openArea(kCard);
        clickTool(app, QStringLiteral("cmdDuplica"));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                            "questa è stata inserita in archivio.")});
        app.dialogs().clear();
        clickTool(app, QStringLiteral("cmdPrimo"));
        for (int i = 0; i < 3; ++i)
            clickTool(app, QStringLiteral("cmdAvanti"));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblFile01"))->text(), QStringLiteral("a.pdf"));
        clickTool(app, QStringLiteral("cmdDuplica"));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                            "Al termine premere Salva per inserire la scheda in archivio.")});
        QCOMPARE(position(app), QString());
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblFile01"))->text(), QString());
        QCOMPARE(AppHarness::focused()->objectName(), QStringLiteral("txtTipo"));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(position(app), QStringLiteral("11"));
        const QList<F> stored = fixtures::readVehicles(app.dir());
        QCOMPARE(stored.size(), 11);
        QCOMPARE(stored[10][F::Tipo], QStringLiteral("Auto 4"));
        QCOMPARE(stored[10][F::File01], QString());
        QCOMPARE(stored[3][F::File01], QStringLiteral("a.pdf"));
    }

    void comingBack_showsAnEmptyNewCard() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("1"))});
        app.openArea(kCard);
        clickTool(app, QStringLiteral("cmdPrimo"));
        clickTool(app, QStringLiteral("cmdEsci"));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("btnApp01")));
        QCOMPARE(position(app), QString());
        QCOMPARE(fieldText(app, F::Tipo), QString());
        QCOMPARE(app.dialogs().prompts().size(), 0);
    }

    void hints_followTheMouse() {
        AppHarness app;
        app.openArea(kCard);
        auto* info = app.control<QLabel>(kCard, QStringLiteral("panInfo"));
        AppHarness::hover(app.control(kCard, QStringLiteral("cmdSalva")));
        QCOMPARE(info->text(), QStringLiteral("Salva la scheda in archivio."));
        AppHarness::hover(app.control(kCard, QStringLiteral("panel")), QPoint(5, 640));
        QCOMPARE(info->text(), QString());
    }
};

VESTRANO_TEST(VehicleCardTest)
#include "vehicle_card_test.moc"
