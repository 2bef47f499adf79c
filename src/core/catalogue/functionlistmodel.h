#pragma once

#include "core/catalogue/optioncatalogue.h"

#include <QAbstractListModel>

// The entries of the function list, shared by every function row. It keeps
// only the translated pieces and makes "Folder 123" when a view asks, so
// filling it costs a reset, not a text per entry. Empty until first filled.
class FunctionListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A list's keyboard search, open or closed, and a screen reader's, come
    // here. Besides the texts' beginnings, a number picks its folder ("7",
    // "07" and "007" Folder 007) and "s" or "r" with a number its serial
    // command ("s12" Serial Command 012), in any language.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith
                                                                | Qt::MatchWrap)) const override;

    // Refills the list with texts translated now.
    void fill();
    const Tessaro::FunctionTexts &texts() const { return m_texts; }

private:
    Tessaro::FunctionTexts m_texts;
    bool m_filled = false;
};
