#pragma once

#include <QList>

class QWidget;

// Return (or Enter) in one field moves the focus to the next field of `order`; from the last
// it wraps to the first unless `wrap` is false. Return never does anything else in these fields.
void chainReturn(const QList<QWidget*>& order, bool wrap = true);
