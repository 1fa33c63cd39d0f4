#include "platform/gui/ListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/gui/Twips.h"

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const Row& row = rows_[index.row()];
    return index.column() < row.cells.size() ? row.cells[index.column()] : QString();
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size()) return headers_[section];
    return {};
}

void ListViewModel::AddColumn(const QString& key, const QString& header) {
    beginInsertColumns({}, int(keys_.size()), int(keys_.size()));
    keys_.append(key);
    headers_.append(header);
    endInsertColumns();
}

int ListViewModel::ColumnOf(const QString& key) const {
    for (int i = 0; i < keys_.size(); ++i)
        if (keys_[i].compare(key, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int ListViewModel::AddRow(const QString& key, const QString& text) {
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.append(Row{key, QStringList{text}});
    endInsertRows();
    return row;
}

void ListViewModel::AddRows(QList<Row> rows) {
    if (rows.isEmpty()) return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    rows_.append(std::move(rows));
    endInsertRows();
}

void ListViewModel::SetSubItem(int row, const QString& columnKey, const QString& text) {
    const int column = ColumnOf(columnKey);
    if (row < 0 || row >= rows_.size() || column < 0) return;
    QStringList& cells = rows_[row].cells;
    while (cells.size() <= column) cells.append(QString());
    cells[column] = text;
    Q_EMIT dataChanged(index(row, column), index(row, column));
}

QString ListViewModel::Text(int row, int column) const {
    if (row < 0 || row >= rows_.size()) return {};
    const QStringList& cells = rows_[row].cells;
    return column < cells.size() ? cells[column] : QString();
}

void ListViewModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

ListView::ListView(QWidget* parent) : QTableView(parent), model_(new ListViewModel) {
    model_->setParent(this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control, as in a row of boxes; the arrow keys move between rows.
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ListView::AddColumn(const QString& key, const QString& header, double widthTwips) {
    model_->AddColumn(key, header);
    setColumnWidth(model_->columnCount() - 1, Twips::ToPixels(widthTwips));
}

int ListView::SelectedRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), {})) return -1;
    return current.row();
}

// Both bring the row into view up and down only. The view would also scroll sideways to the row's first column,
// and a table that grows every second would then throw the user back to its left edge at every row, so the
// columns scrolled to could never be read while rows come in.
void ListView::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const int sideways = horizontalScrollBar()->value();
    setCurrentIndex(model_->index(row, 0));
    selectRow(row);
    horizontalScrollBar()->setValue(sideways);
}

void ListView::EnsureVisible(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const int sideways = horizontalScrollBar()->value();
    scrollTo(model_->index(row, 0));
    horizontalScrollBar()->setValue(sideways);
}

void ListView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    Q_EMIT Clicked();
}

// A row reached with Up, Down, Page Up, Page Down, Home or End counts as a click on it: the map, Play and Export
// work on the row the table shows selected.
void ListView::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedRow();
    QTableView::keyPressEvent(event);
    const int after = SelectedRow();
    if (after >= 0 && after != before) Q_EMIT Clicked();
}
