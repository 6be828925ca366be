#pragma once

#include <QTreeWidgetItem>

#include <cstddef>

#include "keywords/KeyWordGenerator.h"

namespace zendal {

// A row of the key word window's list. It remembers which row of the generator's list it shows,
// and sorts the words under the word comparison and the counts and percentages as numbers;
// among equal numbers the generator's order holds, so that the list sorted by count, highest
// first, is the generator's list.
class KeyWordListItem : public QTreeWidgetItem {
  public:
    KeyWordListItem(const KeyWordRow& row, std::size_t index, const QString& decimalPoint);

    // The row of the generator's list.
    std::size_t Index() const { return index_; }

    bool operator<(const QTreeWidgetItem& other) const override;

  private:
    std::string word_;
    int count_;
    std::size_t index_;
};

}  // namespace zendal
