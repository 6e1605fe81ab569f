#include "tables/reportmodel.h"

#include <QSize>

namespace ts {

namespace {
quint64 cellKey(int row, int column) {
    return (quint64(quint32(row)) << 32) | quint32(column);
}
} // namespace

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

ReportModel::ReportModel(const QVector<ReportColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns) {}

void ReportModel::setColumns(const QVector<ReportColumn>& columns) {
    beginResetModel();
    m_columns = columns;
    for (QStringList& row : m_rows)
        row = padded(row);
    endResetModel();
}

QStringList ReportModel::columnTitles() const {
    QStringList titles;
    for (const ReportColumn& c : m_columns)
        titles << c.title;
    return titles;
}

int ReportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::BackgroundRole) {
        const QColor c = cellColour(index.row(), index.column());
        return c.isValid() ? QVariant(c) : QVariant();
    }
    return {};
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < m_columns.size()) {
        if (role == Qt::DisplayRole)
            return m_columns[section].title;
        if (role == Qt::SizeHintRole)
            return QSize(m_columns[section].width, 20);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString ReportModel::text(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows[row].size())
        return {};
    return m_rows[row][column];
}

void ReportModel::setText(int row, int column, const QString& text) {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return;
    m_rows[row][column] = text;
    const QModelIndex i = index(row, column);
    Q_EMIT dataChanged(i, i);
}

QStringList ReportModel::rowTexts(int row) const {
    return (row >= 0 && row < m_rows.size()) ? m_rows[row] : QStringList();
}

QStringList ReportModel::padded(QStringList cells) const {
    const int n = int(m_columns.size());
    while (cells.size() < n)
        cells << QString();
    while (cells.size() > n)
        cells.removeLast();
    return cells;
}

int ReportModel::appendRow(const QStringList& cells) {
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(padded(cells));
    endInsertRows();
    return row;
}

void ReportModel::insertRowAt(int row, const QStringList& cells) {
    row = qBound(0, row, int(m_rows.size()));
    beginInsertRows({}, row, row);
    m_rows.insert(row, padded(cells));
    endInsertRows();
}

void ReportModel::removeRowAt(int row) {
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ReportModel::clear() {
    beginResetModel();
    m_rows.clear();
    m_marks.clear();
    endResetModel();
}

void ReportModel::replaceAllTexts(QVector<QStringList> rows) {
    if (rows.size() != m_rows.size())
        return;
    for (QStringList& row : rows)
        row = padded(std::move(row));
    m_rows = std::move(rows);
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_rows.size()) - 1, int(m_columns.size()) - 1));
}

void ReportModel::setCellColour(int row, int column, const QColor& colour) {
    m_marks.insert(cellKey(row, column), colour);
    if (row >= 0 && row < m_rows.size() && column >= 0 && column < m_columns.size()) {
        const QModelIndex i = index(row, column);
        Q_EMIT dataChanged(i, i, {Qt::BackgroundRole});
    }
}

void ReportModel::clearCellColours() {
    m_marks.clear();
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_rows.size()) - 1, int(m_columns.size()) - 1),
                           {Qt::BackgroundRole});
}

QColor ReportModel::cellColour(int row, int column) const {
    return m_marks.value(cellKey(row, column));
}

} // namespace ts
