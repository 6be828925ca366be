#include "keywords/ui/KeyWordListItem.h"

#include <QTreeWidget>

#include "base/WordComparison.h"

namespace zendal {

KeyWordListItem::KeyWordListItem(const KeyWordRow& row, std::size_t index,
                                 const QString& decimalPoint)
    : QTreeWidgetItem(
          {QString::fromStdString(row.word), QString::fromStdString(row.Occurences()),
           QString::fromStdString(row.PercentOfTotal()).replace(QLatin1Char('.'), decimalPoint)}),
      word_(row.word),
      count_(row.count),
      index_(index) {
    setFlags(flags() | Qt::ItemIsUserCheckable);
    setCheckState(0, Qt::Unchecked);
    setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

bool KeyWordListItem::operator<(const QTreeWidgetItem& other) const {
    const auto& that = static_cast<const KeyWordListItem&>(other);
    const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 1;
    if (column == 0) {
        const int order = WordComparison::Compare(word_, that.word_);
        return order != 0 ? order < 0 : index_ < that.index_;
    }
    // Counts and percentages: equal counts in the generator's order when sorted highest first.
    return count_ != that.count_ ? count_ < that.count_ : index_ > that.index_;
}

}  // namespace zendal
