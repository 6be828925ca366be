#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QToolButton;

namespace zendal {

class CustomGridModel;
class MetaGrid;
class Wizard;

// The page "2.a Custom Meta Tags" (Custom): the custom grid grid1 under the check boxes
// "Auto Si&ze" and "&Protect Name" and the schema selector scname, beside the page's info
// panel, over its tool bar. Delete, Save, the selector and Help are handled here; the main
// window connects Read HTML and Next to its commands, and calls ShowSchema after any command
// that changed the grid or the selector (a read, the settings).
class CustomPage : public QWidget {
    Q_OBJECT

  public:
    explicit CustomPage(Wizard& wizard, QWidget* parent = nullptr);

    // Shows the wizard's grid, the selector's list and its text.
    void ShowSchema();

    MetaGrid* Grid() const { return grid1_; }
    QComboBox* SchemaSelector() const { return scname_; }
    QToolButton* ReadHtmlButton() const { return readHtml_; }  // SpeedButton14
    QToolButton* NextButton() const { return next_; }          // SpeedButton10

    void scnameClick();
    void SpeedButton6Click();
    void button38Click();
    void SpeedButton3Click();
    void CheckBox3Click();
    void CheckBox6Click();
    bool grid1CanEditCell(int row, int col) const;

  private:
    Wizard& wizard_;
    std::string protectName_;  // "1" while names are protected, "0" after, empty at start
    CustomGridModel* model_ = nullptr;
    MetaGrid* grid1_ = nullptr;
    QComboBox* scname_ = nullptr;
    QCheckBox* autoSize_ = nullptr;        // CheckBox3
    QCheckBox* protectNameBox_ = nullptr;  // CheckBox6
    QToolButton* readHtml_ = nullptr;
    QToolButton* next_ = nullptr;
};

}  // namespace zendal
