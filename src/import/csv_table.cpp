#include "import/csv_table.h"

#include "records/cp1252.h"
#include "records/text_rules.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace csv {

QString decode(QByteArrayView bytes, Encoding* found) {
    Encoding encoding = Encoding::Utf8;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.sliced(3));
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        encoding = Encoding::Utf16;
        QStringDecoder utf16(QStringConverter::Utf16, QStringConverter::Flag::Default);
        text = utf16(bytes); // the decoder reads the mark and drops it
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8(bytes);
        // Windows-1252 accented letters are almost never valid UTF-8 sequences.
        if (utf8.hasError()) {
            encoding = Encoding::Windows1252;
            text = cp1252::decode(bytes);
        }
    }
    if (found)
        *found = encoding;
    return text;
}

QChar detectSeparator(const QString& text) {
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    if (tabs > semicolons && tabs > commas)
        return u'\t';
    return commas > semicolons ? u',' : u';';
}

QList<QStringList> parse(const QString& text, QChar separator) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool fieldQuoted = false; // the current field began with a quote
    bool lineHasData = false;
    const auto endField = [&] {
        record.append(field);
        field.clear();
        fieldQuoted = false;
    };
    const auto endRecord = [&] {
        if (lineHasData) {
            endField();
            records.append(record);
        }
        record.clear();
        field.clear();
        fieldQuoted = false;
        lineHasData = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !fieldQuoted) {
            quoted = fieldQuoted = lineHasData = true;
        } else if (c == separator) {
            lineHasData = true;
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            lineHasData = true;
            field.append(c);
        }
    }
    endRecord();
    return records;
}

Table read(QByteArrayView bytes) {
    Table table;
    const QString text = decode(bytes, &table.encoding);
    table.separator = detectSeparator(text);
    QList<QStringList> records = parse(text, table.separator);
    if (records.isEmpty())
        return table;
    table.header = records.takeFirst();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QStringList& fields = records[i];
        const bool blank = std::all_of(fields.begin(), fields.end(),
                                       [](const QString& f) { return text::isBlank(f); });
        if (!blank)
            table.rows.append({static_cast<int>(i) + 2, fields});
    }
    return table;
}

std::optional<Table> readFile(const QString& path, QString* error) {
    const auto fail = [error](const QString& why) -> std::optional<Table> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.isFile())
        return fail(QStringLiteral("Il file non esiste o non è un file."));
    if (info.size() > kMaxFileBytes)
        return fail(QStringLiteral("Il file è troppo grande per essere importato (oltre %1 MB).")
                        .arg(kMaxFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Il file non si può aprire."));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return fail(QStringLiteral("Il file non si può leggere."));
    return read(bytes);
}

} // namespace csv
