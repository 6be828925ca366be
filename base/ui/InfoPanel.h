#pragma once

#include <QLabel>

namespace zendal {

// The fixed text on the right of a wizard page, word-wrapped on the tool-tip colours.
class InfoPanel : public QLabel {
  public:
    InfoPanel(const QString& text, const char* objectName, QWidget* parent);
};

}  // namespace zendal
