#include "reports/print_copies.h"

#include "records/text_rules.h"

int copiesTyped(const QString& answer) {
    if (text::isBlank(answer))
        return 1;
    for (const QChar c : answer)
        if (c < u'0' || c > u'9')
            return 1;
    bool ok = false;
    const int copies = answer.toInt(&ok);
    return ok ? copies : 1;
}
