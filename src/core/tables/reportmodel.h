#pragma once
// ReportModel: the one model behind every result list. Rows of cell texts plus cell marks
// (colours tied to a cell position, not to the row's content). Views are QTreeView/QTableView.

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <QVector>

namespace ts {

struct ReportColumn {
    QString title;
    int width = 80; // pixels, as the view should show it
};

class ReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ReportModel(QObject* parent = nullptr);
    explicit ReportModel(const QVector<ReportColumn>& columns, QObject* parent = nullptr);

    void setColumns(const QVector<ReportColumn>& columns);
    const QVector<ReportColumn>& columns() const { return m_columns; }
    QStringList columnTitles() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Cell texts; out-of-range reads give the empty text, out-of-range writes are ignored.
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    QStringList rowTexts(int row) const;
    const QVector<QStringList>& rows() const { return m_rows; }

    // Appends a row (padded or cut to the column count); returns its index.
    int appendRow(const QStringList& cells);
    void insertRowAt(int row, const QStringList& cells);
    void removeRowAt(int row);
    void clear(); // removes every row and every cell mark

    // Replaces every row's texts in one step (used by the sort); the row count must not
    // change. Cell marks stay where they are.
    void replaceAllTexts(QVector<QStringList> rows);

    // Cell marks: colours at cell positions. They do not move when texts move.
    void setCellColour(int row, int column, const QColor& colour);
    void clearCellColours();
    QColor cellColour(int row, int column) const; // invalid when none

private:
    QStringList padded(QStringList cells) const;
    QVector<ReportColumn> m_columns;
    QVector<QStringList> m_rows;
    QHash<quint64, QColor> m_marks;
};

} // namespace ts
