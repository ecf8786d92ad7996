#include "records/field_criteria.h"

#include "records/cp1252.h"
#include "records/text_rules.h"

#include <algorithm>
#include <string_view>

namespace {

inline char lowerByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

} // namespace

FieldCriteria::FieldCriteria(const RecordLayout& layout, const std::vector<std::pair<int, QString>>& texts) {
    for (const auto& [field, typed] : texts) {
        if (text::isBlank(typed))
            continue;
        const RecordLayout::Field& f = layout.field(field);
        Criterion c;
        c.offset = f.offset;
        c.capacity = f.capacity;
        const QString lowered = text::lowerAZ(typed);
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

bool FieldCriteria::matches(QByteArrayView record) const {
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
