#include "vehicle_output/vehicle_search.h"

#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/cp1252.h"
#include "records/record_file.h"
#include "records/text_rules.h"

#include <algorithm>
#include <string_view>

namespace vehicle_search {
namespace {

inline char lowerByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Rows are made for many records: their fields are read without allocating.
FieldText field(QByteArrayView record, F::Field f) {
    return FieldText(record, F::layout(), f);
}

} // namespace

Criteria::Criteria(const std::array<QString, 10>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (text::isBlank(texts[i]))
            continue;
        const RecordLayout::Field& f = F::layout().field(kCriteriaFields[i]);
        Criterion c;
        c.offset = f.offset;
        c.capacity = f.capacity;
        const QString lowered = text::lowerAZ(texts[i]);
        c.lowered.reserve(lowered.size());
        for (QChar ch : lowered) {
            const char b = cp1252::encodeChar(ch);
            if (b == '?' && ch != u'?')
                c.matchable = false;
            c.lowered.append(b);
        }
        m_set.push_back(std::move(c));
    }
}

bool Criteria::matches(QByteArrayView record) const {
    char lowered[256];
    for (const Criterion& c : m_set) {
        if (!c.matchable || c.offset >= record.size())
            return false;
        const int stored = std::min({static_cast<int>(static_cast<unsigned char>(record[c.offset])), c.capacity,
                                     static_cast<int>(record.size()) - c.offset - 1});
        const char* bytes = record.data() + c.offset + 1;
        for (int i = 0; i < stored; ++i)
            lowered[i] = lowerByte(bytes[i]);
        const std::string_view haystack(lowered, static_cast<std::size_t>(stored));
        if (haystack.find(std::string_view(c.lowered.constData(), static_cast<std::size_t>(c.lowered.size()))) ==
            std::string_view::npos)
            return false;
    }
    return true;
}

QString row(QByteArrayView record) {
    fixed_width::Row r;
    r.column(field(record, F::Tipo).view(), 20)
        .text(u"  ")
        .pair(field(record, F::Marca).view(), field(record, F::Modello).view(), 30)
        .text(u"  Targa: ")
        .column(field(record, F::Targa).view(), 12)
        .text(u"  Titolare: ")
        .column(field(record, F::Proprietario).view(), 30)
        .text(u"  Anno: ")
        .column(field(record, F::Anno).view(), 10)
        .text(u"  Km: ")
        .last(field(record, F::Chilometri).view());
    return r.take();
}

void collect(RecordFile& file, const Criteria& criteria, std::vector<QString>& rows) {
    file.scan([&](int, QByteArrayView record) {
        if (criteria.matches(record))
            rows.push_back(row(record));
        return true;
    });
}

} // namespace vehicle_search
