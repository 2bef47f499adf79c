#include "form/functionlistmodel.h"

int FunctionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_filled ? 0 : Tessaro::functionCount;
}

QVariant FunctionListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_texts.text(index.row());
}

void FunctionListModel::fill()
{
    beginResetModel();
    m_texts = Tessaro::functionTexts();
    m_filled = true;
    endResetModel();
}
