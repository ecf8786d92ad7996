#include "vehicles/vehicle_record.h"

const RecordLayout& TSchedaVeicolo::layout() {
    static const RecordLayout kLayout{
        {"Tipo", 50},          {"Destinazione", 50},    {"Marca", 50},         {"Modello", 50},
        {"Targa", 12},         {"Anno", 20},            {"Colore", 50},        {"Telaio", 10},
        {"Pneumatici", 120},   {"Stato", 50},           {"Chilometri", 50},    {"Lettura", 10},
        {"Alimentazione", 50}, {"Cilindrata", 50},      {"KW", 50},            {"Ambiente", 50},
        {"Posti", 50},         {"Portata", 50},         {"Compagnia", 120},    {"TelAssicuratore", 50},
        {"Polizza", 50},       {"Incidenti", 250},      {"Proprietario", 50},  {"Autista", 50},
        {"TelAutista", 50},    {"Meccanico", 50},       {"TelMeccanico", 50},  {"ScadRevisione", 10},
        {"ScadTagliando", 10}, {"ScadAssicurazione", 10}, {"ScadBollo", 10},   {"Note", 250},
        {"File01", 250},       {"File02", 250},         {"File03", 250},       {"Desc01", 250},
        {"Desc02", 250},       {"Desc03", 250}};
    return kLayout;
}

QString TSchedaVeicolo::controlName(int field) {
    return (field < kDataFieldCount ? QStringLiteral("txt") : QStringLiteral("lbl")) + fieldName(field);
}
