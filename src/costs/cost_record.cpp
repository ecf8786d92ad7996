#include "costs/cost_record.h"

const QString& TSchedaCosto::paid() {
    static const QString kPaid = QStringLiteral("Sì");
    return kPaid;
}

const QString& TSchedaCosto::unpaid() {
    static const QString kUnpaid = QStringLiteral("No");
    return kUnpaid;
}

const RecordLayout& TSchedaCosto::layout() {
    static const RecordLayout kLayout{
        {"Giorno", 2},         {"Mese", 10},           {"Anno", 4},           {"Data", 10},
        {"Luogo", 50},         {"Veicolo", 50},        {"Marca", 50},         {"Modello", 50},
        {"Colore", 50},        {"Alimentazione", 50},  {"Targa", 30},         {"Causale", 50},
        {"Descrizione", 250},  {"Modalita", 120},      {"Estremi", 120},      {"Importo", 15},
        {"Pagatore", 120},     {"RecPagatore", 50},    {"Beneficiario", 120}, {"RecBeneficiario", 50},
        {"Conducente", 50},    {"Recapito", 50},       {"Saldato", 2},        {"Note", 250}};
    return kLayout;
}
