// The Qt face of a core string grid: one table model and one masked-edit delegate per grid.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QStyledItemDelegate>
#include <functional>

#include "core/toolkit/string_grid.hpp"

namespace corvana::gui {

// Wraps a grid owned by a window model. The grid's fixed rows become the horizontal header
// (row 0's texts); the other rows are the table's rows. Edits go straight into the grid's
// cells; after a model handler changed the grid, call refresh().
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(toolkit::StringGrid* grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    toolkit::StringGrid* grid() const { return grid_; }
    // The grid row of a table row (the fixed rows come first in the grid).
    int gridRow(int tableRow) const { return tableRow + grid_->fixedRows(); }

    // Columns the user may not edit.
    void setReadOnlyColumns(QSet<int> columns) { readOnly_ = std::move(columns); }
    // Called after the user changed a cell: (column, grid row).
    void setCellEdited(std::function<void(int, int)> handler) { cellEdited_ = std::move(handler); }

    // Tells the views that the grid changed underneath (counts or texts).
    void refresh();

private:
    toolkit::StringGrid* grid_;
    QSet<int> readOnly_;
    std::function<void(int, int)> cellEdited_;
    int shownRows_ = 0;  // the shape the views last learnt
    int shownCols_ = 0;
};

// Edits a cell with a QLineEdit whose input mask is chosen by the column's header text
// ("Data" → a month mask), so the masks follow the header, not the column number.
class MaskedDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // A Qt input mask for every column headed `header`, e.g. "00/0000; ".
    void setMaskForHeader(const QString& header, const QString& inputMask);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    QHash<QString, QString> masks_;
};

}  // namespace corvana::gui
