#pragma once

#include <string>
#include <vector>

namespace zendal {

// The lists that the drop-down wizard fields offer, in the order shown. A field takes any typed
// text; its list only offers values.
class FieldLists {
  public:
    static const std::vector<std::string>& Robots();          // ComboBox1
    static const std::vector<std::string>& Distribution();    // ComboBox3
    static const std::vector<std::string>& Rating();          // ComboBox2
    static const std::vector<std::string>& Language();        // ComboBox5
    static const std::vector<std::string>& Classification();  // ComboBox4
};

}  // namespace zendal
