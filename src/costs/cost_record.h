#pragma once

#include "records/record_layout.h"

#include <QString>
#include <QStringList>

// One cost entry of a year file: 24 ShortText fields, 1627 bytes.
struct TSchedaCosto {
    enum Field {
        Giorno, Mese, Anno, Data, Luogo, Veicolo, Marca, Modello, Colore, Alimentazione, Targa,
        Causale, Descrizione, Modalita, Estremi, Importo, Pagatore, RecPagatore, Beneficiario,
        RecBeneficiario, Conducente, Recapito, Saldato, Note,
        FieldCount
    };
    static constexpr int kRecordSize = 1627;

    // The paid flag as stored. Readers compare the trimmed text with these two exactly.
    static const QString& paid();   // "Sì" (02 53 EC on disk)
    static const QString& unpaid(); // "No" (02 4E 6F on disk)

    static const RecordLayout& layout();
    static QString fieldName(int field) { return QString::fromLatin1(layout().field(field).name); }

    QStringList values = QStringList(FieldCount);

    QString& operator[](Field f) { return values[f]; }
    const QString& operator[](Field f) const { return values[f]; }

    QByteArray encode() const { return layout().encode(values); }
    static TSchedaCosto decode(QByteArrayView record) {
        TSchedaCosto entry;
        entry.values = layout().decode(record);
        return entry;
    }
    // One field straight from the record bytes, without decoding the others (for scans).
    static QString fieldOf(QByteArrayView record, Field f) { return layout().decodeField(record, f); }
};
