#include "core/catalogue/functionlistmodel.h"

#include "core/format/configurationformat.h"

namespace {

// What a typed number stands for: the entry it picks, -1 for a number that
// picks none ("s0", "1234"), nothing when the text is not a number.
std::optional<int> numberedEntry(QStringView typed)
{
    const bool serial = typed.size() > 1 && QStringView(u"sSrR").contains(typed.front());
    const QStringView digits = serial ? typed.sliced(1) : typed;
    const int number = Tessaro::wholeNumber(digits);
    if (number < 0)
        return std::nullopt;
    if (digits.size() > 3 || (serial && number == 0))
        return -1;
    return serial ? Tessaro::firstSerialCommandEntry + number - 1
                  : Tessaro::firstFolderEntry + number;
}

} // namespace

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

QModelIndexList FunctionListModel::match(const QModelIndex &start, int role, const QVariant &value,
                                         int hits, Qt::MatchFlags flags) const
{
    const std::optional<int> entry =
            role == Qt::DisplayRole ? numberedEntry(value.toString()) : std::nullopt;
    if (!entry)
        return QAbstractListModel::match(start, role, value, hits, flags);
    if (*entry < 0 || !m_filled || hits == 0)
        return {};
    return {index(*entry)};
}

void FunctionListModel::fill()
{
    beginResetModel();
    m_texts = Tessaro::functionTexts();
    m_filled = true;
    endResetModel();
}
