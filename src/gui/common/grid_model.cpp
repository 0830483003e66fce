// Table model and masked-edit delegate over core string grids.
#include "gui/common/grid_model.hpp"

#include <QLineEdit>
#include <algorithm>

namespace corvana::gui {

GridModel::GridModel(toolkit::StringGrid* grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shownRows_(rowCount()), shownCols_(columnCount()) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max(0, grid_->rowCount() - grid_->fixedRows());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return grid_->colCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromStdString(grid_->cell(index.column(), gridRow(index.row())));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) return false;
    if (readOnly_.contains(index.column())) return false;
    const std::string text = value.toString().toStdString();
    const int row = gridRow(index.row());
    if (grid_->cell(index.column(), row) == text) return true;
    grid_->setCell(index.column(), row, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (cellEdited_) cellEdited_(index.column(), row);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= grid_->colCount()) return {};
        if (grid_->fixedRows() == 0) return QString::number(section + 1);
        return QString::fromStdString(grid_->cell(section, 0));
    }
    if (section < 0 || section >= rowCount()) return {};
    return QString::number(section + 1);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!readOnly_.contains(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::refresh() {
    // Same shape: only texts changed, so the views keep their current cell and selection.
    if (rowCount() == shownRows_ && columnCount() == shownCols_) {
        if (shownRows_ > 0 && shownCols_ > 0)
            emit dataChanged(index(0, 0), index(shownRows_ - 1, shownCols_ - 1));
        if (shownCols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, shownCols_ - 1);
        return;
    }
    beginResetModel();
    shownRows_ = rowCount();
    shownCols_ = columnCount();
    endResetModel();
}

void MaskedDelegate::setMaskForHeader(const QString& header, const QString& inputMask) {
    masks_.insert(header, inputMask);
}

QWidget* MaskedDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    const QString header = index.model()->headerData(index.column(), Qt::Horizontal).toString();
    if (auto* line = qobject_cast<QLineEdit*>(editor); line != nullptr && masks_.contains(header))
        line->setInputMask(masks_.value(header));
    return editor;
}

}  // namespace corvana::gui
