#pragma once
#include <QMetaObject>
#include <memory>

class ListView;

// Notices that the position table was emptied while a loop that serves messages works on it: a connection or
// another query has taken the table and the position list over, and the loop must leave them alone.
class TableReset {
public:
    explicit TableReset(ListView* table);
    ~TableReset();
    TableReset(const TableReset&) = delete;
    TableReset& operator=(const TableReset&) = delete;

    bool Seen() const { return *seen_; }

private:
    std::shared_ptr<bool> seen_ = std::make_shared<bool>(false);
    QMetaObject::Connection connection_;
};
