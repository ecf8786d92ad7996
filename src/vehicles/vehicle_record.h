#pragma once

#include "records/record_layout.h"

#include <QString>
#include <QStringList>

// One vehicle card of Parco_Automezzi.pro: 38 ShortText fields, 3370 bytes.
struct TSchedaVeicolo {
    enum Field {
        Tipo, Destinazione, Marca, Modello, Targa, Anno, Colore, Telaio, Pneumatici, Stato,
        Chilometri, Lettura, Alimentazione, Cilindrata, KW, Ambiente, Posti, Portata, Compagnia,
        TelAssicuratore, Polizza, Incidenti, Proprietario, Autista, TelAutista, Meccanico,
        TelMeccanico, ScadRevisione, ScadTagliando, ScadAssicurazione, ScadBollo, Note,
        File01, File02, File03, Desc01, Desc02, Desc03,
        FieldCount
    };
    static constexpr int kDataFieldCount = 32; // Tipo .. Note are edit fields on the card
    static constexpr int kRecordSize = 3370;

    static const RecordLayout& layout();
    static QString fieldName(int field) { return QString::fromLatin1(layout().field(field).name); }
    // The control that shows a field on the card screen: txtTipo ... txtNote, lblFile01 ... lblDesc03.
    static QString controlName(int field);

    QStringList values = QStringList(FieldCount);

    QString& operator[](Field f) { return values[f]; }
    const QString& operator[](Field f) const { return values[f]; }

    QByteArray encode() const { return layout().encode(values); }
    static TSchedaVeicolo decode(QByteArrayView record) {
        TSchedaVeicolo card;
        card.values = layout().decode(record);
        return card;
    }
};
