#include "costs/cost_rules.h"

#include "records/text_rules.h"

#include <QLocale>

#include <cmath>

namespace cost_rules {

namespace {

const QStringList kLowerMonths = {
    QStringLiteral("gennaio"), QStringLiteral("febbraio"), QStringLiteral("marzo"),
    QStringLiteral("aprile"),  QStringLiteral("maggio"),   QStringLiteral("giugno"),
    QStringLiteral("luglio"),  QStringLiteral("agosto"),   QStringLiteral("settembre"),
    QStringLiteral("ottobre"), QStringLiteral("novembre"), QStringLiteral("dicembre")};

constexpr int kSignificantDigits = 15;
constexpr int kAmountDecimals = 4;

// A non-negative decimal held exactly: value = digits × 10^-scale. Amounts are rounded and
// written from their digits, so 1,00005 rounds up as the user reads it (binary doubles
// would not).
struct Decimal {
    QString digits;
    int scale = 0;
};

// Adds one unit in the last place.
void increment(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
    }
    digits.prepend(u'1');
}

// Keeps `newScale` decimals (may be negative: whole tens, hundreds ...), rounding half up.
void roundTo(Decimal& d, int newScale) {
    if (d.scale <= newScale)
        return;
    const qsizetype cut = d.scale - newScale;
    if (cut > d.digits.size()) {
        d.digits = QStringLiteral("0");
    } else {
        const bool up = d.digits[d.digits.size() - cut] >= u'5';
        d.digits.chop(cut);
        if (d.digits.isEmpty())
            d.digits = QStringLiteral("0");
        if (up)
            increment(d.digits);
    }
    if (newScale < 0) {
        d.digits += QString(-newScale, u'0');
        d.scale = 0;
    } else {
        d.scale = newScale;
    }
}

// Shortest plain text of a decimal, at most 15 significant digits.
QString plainText(Decimal d) {
    qsizetype lead = 0;
    while (lead < d.digits.size() && d.digits[lead] == u'0')
        ++lead;
    const qsizetype significant = d.digits.size() - lead;
    if (significant > kSignificantDigits)
        roundTo(d, d.scale - static_cast<int>(significant - kSignificantDigits));
    if (d.digits.size() <= d.scale)
        d.digits.prepend(QString(d.scale - d.digits.size() + 1, u'0'));
    while (d.scale > 0 && d.digits.endsWith(u'0')) {
        d.digits.chop(1);
        --d.scale;
    }
    QString whole = d.digits.left(d.digits.size() - d.scale);
    const QString fraction = d.digits.right(d.scale);
    qsizetype zeros = 0;
    while (zeros < whole.size() - 1 && whole[zeros] == u'0')
        ++zeros;
    whole = whole.mid(zeros);
    return fraction.isEmpty() ? whole : whole + u',' + fraction;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Digits, at most one comma, at least one digit; blanks around it are ignored.
std::optional<Decimal> readDecimal(const QString& text) {
    const QString t = text::trimmed(text);
    Decimal d;
    bool comma = false;
    bool anyDigit = false;
    for (QChar c : t) {
        if (isDigit(c)) {
            d.digits += c;
            anyDigit = true;
            if (comma)
                ++d.scale;
        } else if (c == u',' && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    return d;
}

} // namespace

const QStringList& vehicleTypes() {
    static const QStringList kTypes = {
        QStringLiteral("Autobus"),      QStringLiteral("Autocarro"),   QStringLiteral("Autovettura"),
        QStringLiteral("Camper"),       QStringLiteral("Ciclomotore"), QStringLiteral("Furgoncino"),
        QStringLiteral("Furgone"),      QStringLiteral("Imbarcazione"), QStringLiteral("Mezzo agricolo"),
        QStringLiteral("Motocarro"),    QStringLiteral("Motociclo"),   QStringLiteral("Motoscafo"),
        QStringLiteral("Natante"),      QStringLiteral("Rimorchio"),   QStringLiteral("Roulotte"),
        QStringLiteral("Scooter"),      QStringLiteral("Trattore"),    QStringLiteral("Veicolo edile"),
        QStringLiteral("Yacht")};
    return kTypes;
}

const QStringList& reasons() {
    static const QStringList kReasons = {
        QStringLiteral("Acquisto accessori"),     QStringLiteral("Assicurazione"),
        QStringLiteral("Bollino blu"),            QStringLiteral("Bollo"),
        QStringLiteral("Cambio filtri"),          QStringLiteral("Cambio olio"),
        QStringLiteral("Cambio pneumatici"),      QStringLiteral("Costi vari"),
        QStringLiteral("Manutenzione ordinaria"), QStringLiteral("Manutenzione straordinaria"),
        QStringLiteral("Multa"),                  QStringLiteral("Revisione"),
        QStringLiteral("Revisione freni"),        QStringLiteral("Rifornimento carburante"),
        QStringLiteral("Riparazioni"),            QStringLiteral("Tagliando")};
    return kReasons;
}

const QStringList& days() {
    static const QStringList kDays = [] {
        QStringList list;
        for (int d = 1; d <= 31; ++d)
            list.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
        return list;
    }();
    return kDays;
}

const QStringList& months() {
    static const QStringList kMonths = [] {
        QStringList list;
        for (const QString& m : kLowerMonths)
            list.append(m.left(1).toUpper() + m.mid(1));
        return list;
    }();
    return kMonths;
}

bool isListedDay(const QString& text) {
    return days().contains(text::trimmed(text));
}

bool isListedMonth(const QString& text, Qt::CaseSensitivity cs) {
    const QString t = text::trimmed(text);
    if (cs == Qt::CaseSensitive)
        return months().contains(t);
    return kLowerMonths.contains(text::lowerAZ(t));
}

int monthNumber(const QString& monthName) {
    return static_cast<int>(kLowerMonths.indexOf(text::lowerAZ(text::trimmed(monthName)))) + 1;
}

QString monthDigits(const QString& monthName) {
    const int n = monthNumber(monthName);
    return n == 0 ? QString() : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

bool isCalendarDate(int day, int month, int year) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(month, year);
}

bool isCalendarDate(const QString& ddmmyyyy) {
    if (ddmmyyyy.size() != 10 || ddmmyyyy[2] != u'/' || ddmmyyyy[5] != u'/')
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(ddmmyyyy[i]))
            return false;
    return isCalendarDate(ddmmyyyy.left(2).toInt(), ddmmyyyy.mid(3, 2).toInt(), ddmmyyyy.right(4).toInt());
}

namespace {

QString amountPart(const QString& text, AmountForm form) {
    return form == AmountForm::Save ? text.left(kAmountLength) : text;
}

} // namespace

bool isAmountOrBlank(const QString& text, AmountForm form) {
    const QString t = amountPart(text, form);
    return text::isBlank(t) || readDecimal(t).has_value();
}

QString normaliseAmount(const QString& text, AmountForm form) {
    const QString zero = QStringLiteral("0,00");
    const QString t = amountPart(text, form);
    if (text::isBlank(t))
        return zero;
    std::optional<Decimal> value = readDecimal(t);
    if (!value)
        return zero;
    roundTo(*value, kAmountDecimals);
    QString out = plainText(*value);
    const qsizetype comma = out.indexOf(u',');
    if (comma < 0)
        out += QStringLiteral(",00");
    else if (out.size() - comma - 1 == 1)
        out += u'0';
    return out;
}

std::optional<double> readAmount(const QString& text) {
    // Fast path for the usual stored form ("1234,56"): a mantissa of at most 15 digits divided
    // by an exact power of ten is the correctly rounded value, as the general path gives it.
    {
        static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        qsizetype from = 0, to = text.size();
        while (from < to && text[from].unicode() <= 32)
            ++from;
        while (to > from && text[to - 1].unicode() <= 32)
            --to;
        qint64 mantissa = 0;
        int digits = 0, scale = 0;
        bool comma = false, plain = to - from <= 16;
        for (qsizetype i = from; plain && i < to; ++i) {
            const char16_t c = text[i].unicode();
            if (c >= u'0' && c <= u'9') {
                mantissa = mantissa * 10 + (c - u'0');
                ++digits;
                scale += comma ? 1 : 0;
            } else if (c == u',' && !comma) {
                comma = true;
            } else {
                plain = false;
            }
        }
        if (plain && digits > 0 && digits <= 15)
            return static_cast<double>(mantissa) / kPowersOfTen[scale];
    }
    const std::optional<Decimal> d = readDecimal(text);
    if (!d)
        return std::nullopt;
    QString plain = d->digits;
    if (d->scale > 0)
        plain.insert(plain.size() - d->scale, u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString shortestText(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const bool negative = value < 0;
    // "d.dddddddddddddde±x": 15 significant digits, correctly rounded by Qt.
    const QString e = QLocale::c().toString(std::fabs(value), 'e', kSignificantDigits - 1);
    const qsizetype at = e.indexOf(u'e');
    Decimal d;
    d.digits = e.left(at).remove(u'.');
    d.scale = (kSignificantDigits - 1) - e.mid(at + 1).toInt();
    if (d.scale < 0) {
        d.digits += QString(-d.scale, u'0');
        d.scale = 0;
    }
    const QString text = plainText(d);
    return negative && text != QLatin1String("0") ? u'-' + text : text;
}

double roundHalfUp(double value, int decimals) {
    const double factor = std::pow(10.0, decimals);
    return std::floor(value * factor + 0.5) / factor;
}

} // namespace cost_rules
