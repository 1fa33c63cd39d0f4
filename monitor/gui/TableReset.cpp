#include "monitor/gui/TableReset.h"

#include "platform/gui/ListView.h"

TableReset::TableReset(ListView* table) {
    connection_ =
        QObject::connect(table->Model(), &QAbstractItemModel::modelReset, table, [seen = seen_] { *seen = true; });
}

TableReset::~TableReset() { QObject::disconnect(connection_); }
