// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

#include <initializer_list>

namespace tillora::test {

// A test's table as one typed column, "row", of a struct: one row a line,
// each named by the struct's first field, `name`, so that a failure says
// which case it was.
template <typename Row>
void rows(std::initializer_list<Row> all)
{
    QTest::addColumn<Row>("row");
    int place = 0;
    for (const Row& row : all) {
        ++place;
        if constexpr (requires { row.name; })
            QTest::newRow(row.name) << row;
        else
            QTest::addRow("%d", place) << row;
    }
}

// A random test's table: a "seed" column with a fixed seed, and the one in
// TILLORA_RANDOM_SEED when it is set, so that any run can be replayed.
inline void seeds(quint32 fixed)
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("fixed seed") << fixed;
    if (qEnvironmentVariableIsSet("TILLORA_RANDOM_SEED"))
        QTest::newRow("TILLORA_RANDOM_SEED") << quint32(qEnvironmentVariableIntValue("TILLORA_RANDOM_SEED"));
}

} // namespace tillora::test
