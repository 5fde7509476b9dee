#pragma once

#include <QDeadlineTimer>
#include <QList>

#include <algorithm>
#include <optional>

namespace tillora::test {

// Delta debugging: drops chunks of a failing list, halving the chunks when
// none can go, until no single item can be dropped (or time runs out).
// `failsAt(list)` replays a list and gives how many of its items ran up to
// and including the one that failed, or nothing when it passes; items after
// the failure are dropped at once.
template <typename T, typename FailsAt>
QList<T> shrink(QList<T> items, FailsAt failsAt, QDeadlineTimer deadline = QDeadlineTimer::Forever)
{
    qsizetype chunks = 2;
    while (items.size() > 1 && !deadline.hasExpired()) {
        const qsizetype size = (items.size() + chunks - 1) / chunks;
        bool dropped = false;
        for (qsizetype start = 0; start < items.size() && !deadline.hasExpired(); start += size) {
            QList<T> rest = items.mid(0, start) + items.mid(start + size);
            if (const std::optional<qsizetype> failed = failsAt(rest)) {
                items = rest.mid(0, *failed);
                chunks = std::max<qsizetype>(chunks - 1, 2);
                dropped = true;
                break;
            }
        }
        if (!dropped) {
            if (size == 1)
                break;
            chunks = std::min(chunks * 2, items.size());
        }
    }
    return items;
}

} // namespace tillora::test
