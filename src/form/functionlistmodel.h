#pragma once

#include "form/optioncatalogue.h"

#include <QAbstractListModel>

// The 2005 entries of the function list, shared by the 17 function rows. It
// keeps only the translated pieces and makes "Folder 123" when a view asks,
// so filling it costs a reset, not 2005 texts. Empty until first filled.
class FunctionListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Refills the list with texts translated now.
    void fill();
    const Tessaro::FunctionTexts &texts() const { return m_texts; }

private:
    Tessaro::FunctionTexts m_texts;
    bool m_filled = false;
};
