#pragma once
#include <QAbstractTableModel>
#include <QTableView>

// The report-style list view: rows with a text and a key, columns added with a key, header text and width in
// twips, and sub-items addressed by their column key. Rows live in a model, so tens of thousands stay fast.
class ListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QString key;
        QStringList cells;  // cell 0 is the row's own text
    };

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(keys_.size()); }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void AddColumn(const QString& key, const QString& header);
    int ColumnOf(const QString& key) const;  // -1 when no column has the key
    // Adds a row at the end and gives its 0-based index.
    int AddRow(const QString& key, const QString& text);
    // Adds rows at the end in one step, so that the view lays itself out once for all of them.
    void AddRows(QList<Row> rows);
    void SetSubItem(int row, const QString& columnKey, const QString& text);
    QString Text(int row, int column = 0) const;
    QString Key(int row) const { return rows_[row].key; }
    void Clear();

private:
    QStringList keys_;
    QStringList headers_;
    QList<Row> rows_;
};

class ListView : public QTableView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    ListViewModel* Model() const { return model_; }
    void AddColumn(const QString& key, const QString& header, double widthTwips);
    int AddRow(const QString& key, const QString& text) { return model_->AddRow(key, text); }
    void AddRows(QList<ListViewModel::Row> rows) { model_->AddRows(std::move(rows)); }
    void SetSubItem(int row, const QString& columnKey, const QString& text) { model_->SetSubItem(row, columnKey, text); }
    void Clear() { model_->Clear(); }
    int RowCount() const { return model_->rowCount(); }

    // The selected row (0-based), or -1 when none is.
    int SelectedRow() const;
    void SelectRow(int row);
    void EnsureVisible(int row);

Q_SIGNALS:
    // A click in the table, or a row reached with the keyboard.
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ListViewModel* model_;
};
