#include "spell/ui/TMSSpellDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "base/HelpPort.h"
#include "spell/TSpellDlg.h"
#include "spell/ui/TEnterEdit.h"

namespace zendal {

namespace {

constexpr int kMargin = 8;
constexpr int kFieldX = 92;
constexpr int kRowHeight = 21;
constexpr int kCurWordY = 8;
constexpr int kWordY = 36;
constexpr int kFieldWidth = 240;
constexpr int kColumn1 = 344;
constexpr int kColumn2 = 428;
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 25;
constexpr int kButtonRowStep = 30;
constexpr int kAccentWidth = 24;
constexpr int kAccentRowHeight = 23;
constexpr int kListTop = kWordY + kRowHeight + 1;
constexpr int kListHeight = 137;
constexpr int kBottomRowY = 206;
constexpr int kDictionaryX = 280;
constexpr int kDictionaryBoxX = 360;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TMSSpellDlg::TMSSpellDlg(TSpellDlg& speller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      speller_(speller) {
    setObjectName("TMSSpellDlg");
    setWindowTitle("Spelling");
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    const TSpellDlg::Properties& properties = speller.properties;
    QFont dialogFont(Q(properties.fontName), properties.fontPoints,
                     properties.fontBold ? QFont::Bold : QFont::Normal);
    setFont(dialogFont);

    lblFound = new QLabel(TSpellDlg::kNotFound, this);
    lblFound->setObjectName("lblFound");
    lblFound->setGeometry(kMargin, kCurWordY + 2, kFieldX - kMargin, kRowHeight - 4);
    edtCurWord = new TEnterEdit(this);
    edtCurWord->setObjectName("edtCurWord");
    edtCurWord->setReadOnly(true);
    edtCurWord->setGeometry(kFieldX, kCurWordY, kClientWidth - kFieldX - kMargin, kRowHeight);

    lblReplace = new QLabel("Change &To:", this);
    lblReplace->setObjectName("lblReplace");
    lblReplace->setGeometry(kMargin, kWordY + 2, kFieldX - kMargin, kRowHeight - 4);
    edtWord = new TEnterEdit(this);
    edtWord->setObjectName("edtWord");
    edtWord->setGeometry(kFieldX, kWordY, kFieldWidth, kRowHeight);
    lblReplace->setBuddy(edtWord);
    edtWord->installEventFilter(this);

    bool accents = !properties.accentIcons.empty();
    pnlIcons = new QWidget(this);
    pnlIcons->setObjectName("pnlIcons");
    pnlIcons->setGeometry(kFieldX, kListTop, 7 * kAccentWidth, kAccentRowHeight);
    pnlIcons->setVisible(accents);
    btnA = AccentButton("btnA", QString::fromUtf8("á"), 0);
    btnE = AccentButton("btnE", QString::fromUtf8("é"), 1);
    btnI = AccentButton("btnI", QString::fromUtf8("í"), 2);
    btnO = AccentButton("btnO", QString::fromUtf8("ó"), 3);
    btnU = AccentButton("btnU", QString::fromUtf8("ú"), 4);
    btnN = AccentButton("btnN", QString::fromUtf8("ñ"), 5);
    btnN2 = AccentButton("btnN2", QString::fromUtf8("Ñ"), 6);

    // With the accent row shown, the list starts one pixel below it and is as much shorter.
    int rowShift = accents ? kAccentRowHeight : 0;
    int listTop = kListTop + (accents ? kAccentRowHeight + 1 : 0);
    lblSuggestions = new QLabel("Suggestio&ns:", this);
    lblSuggestions->setObjectName("lblSuggestions");
    lblSuggestions->setGeometry(kMargin, kListTop + 2 + rowShift, kFieldX - kMargin,
                                kRowHeight - 4);
    lstSuggest = new QListWidget(this);
    lstSuggest->setObjectName("lstSuggest");
    lstSuggest->setGeometry(kFieldX, listTop, kFieldWidth, kListHeight - rowShift);
    lblSuggestions->setBuddy(lstSuggest);
    connect(lstSuggest, &QListWidget::currentRowChanged, this, &TMSSpellDlg::lstSuggestChange);
    connect(lstSuggest, &QListWidget::itemClicked, this, &TMSSpellDlg::lstSuggestChange);
    connect(lstSuggest, &QListWidget::itemDoubleClicked, this, &TMSSpellDlg::lstSuggestDblClick);

    btnSkip = Button("btnSkip", "&Ignore", kColumn1, kWordY, TSpellDlg::kIgnore);
    btnSkipAll = Button("btnSkipAll", "I&gnore All", kColumn2, kWordY, TSpellDlg::kIgnoreAll);
    btnReplace =
        Button("btnReplace", "&Change", kColumn1, kWordY + kButtonRowStep, TSpellDlg::kChange);
    btnReplaceAll = Button("btnReplaceAll", "C&hange All", kColumn2, kWordY + kButtonRowStep,
                           TSpellDlg::kChangeAll);
    btnAdd = Button("btnAdd", "&Add", kColumn1, kWordY + 2 * kButtonRowStep, TSpellDlg::kAdd);
    btnSuggest = Button("btnSuggest", "&Suggest", kColumn2, kWordY + 2 * kButtonRowStep, 0);
    connect(btnSuggest, &QPushButton::clicked, this, &TMSSpellDlg::btnSuggestClick);
    int closeY = kListTop + kListHeight - kButtonHeight;
    btnClose = Button("btnClose", "Cancel", kColumn1, closeY, TSpellDlg::kCancel);
    btnHelp = Button("btnHelp", "Help", kColumn2, closeY, 0);
    btnHelp->setEnabled(false);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        if (help_ != nullptr) {
            help_->ShowContext(speller_.properties.helpContext);
        }
    });

    btnAutoCorrect = Button("btnAutoCorrect", "AutoCorrect", kMargin, kBottomRowY, 0);
    btnOptions = Button("btnOptions", "&Options", kMargin + 90, kBottomRowY, 0);
    btnUndo = Button("btnUndo", "&Undo Last", kMargin + 180, kBottomRowY, 0);
    for (QPushButton* button : {btnAutoCorrect, btnOptions, btnUndo}) {
        button->resize(84, kButtonHeight);
        button->setEnabled(false);
        button->setFocusPolicy(Qt::NoFocus);
    }

    // Which dictionary the run checks with; picking another goes on with that one.
    lblDictionary = new QLabel("&Dictionary:", this);
    lblDictionary->setObjectName("lblDictionary");
    lblDictionary->setGeometry(kDictionaryX, kBottomRowY + 4, kDictionaryBoxX - kDictionaryX,
                               kRowHeight - 4);
    cmbDictionary = new QComboBox(this);
    cmbDictionary->setObjectName("cmbDictionary");
    cmbDictionary->setGeometry(kDictionaryBoxX, kBottomRowY,
                               kClientWidth - kDictionaryBoxX - kMargin, kButtonHeight);
    cmbDictionary->setToolTip("The language of the dictionary that the words are checked with");
    lblDictionary->setBuddy(cmbDictionary);
    connect(cmbDictionary, &QComboBox::activated, this, &TMSSpellDlg::cmbDictionaryChange);

    if (properties.showGlyphs) {
        QStyle* s = style();
        btnSkip->setIcon(s->standardIcon(QStyle::SP_ArrowRight));
        btnSkipAll->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
        btnReplace->setIcon(s->standardIcon(QStyle::SP_DialogApplyButton));
        btnReplaceAll->setIcon(s->standardIcon(QStyle::SP_DialogYesToAllButton));
        btnAdd->setIcon(s->standardIcon(QStyle::SP_FileDialogNewFolder));
        btnSuggest->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
        btnClose->setIcon(s->standardIcon(QStyle::SP_DialogCancelButton));
        btnHelp->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));
    }

    QWidget* order[] = {edtCurWord,    edtWord, lstSuggest, btnSkip,  btnSkipAll, btnReplace,
                        btnReplaceAll, btnAdd,  btnSuggest, btnClose, btnHelp,    cmbDictionary};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void TMSSpellDlg::SetHelp(HelpPort* help) {
    help_ = help;
    btnHelp->setEnabled(help != nullptr);
}

TMSSpellDlg::~TMSSpellDlg() = default;

QPushButton* TMSSpellDlg::Button(const char* name, const QString& caption, int x, int y,
                                 int result) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    if (result != 0) {
        connect(button, &QPushButton::clicked, this, [this, result] { speller_.Answer(result); });
    }
    return button;
}

QPushButton* TMSSpellDlg::AccentButton(const char* name, const QString& character, int x) {
    auto* button = new QPushButton(character, pnlIcons);
    button->setObjectName(name);
    button->setGeometry(x * kAccentWidth, 0, kAccentWidth, kAccentRowHeight);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &TMSSpellDlg::AccentClick);
    return button;
}

void TMSSpellDlg::AccentClick() {
    if (auto* button = qobject_cast<QPushButton*>(sender())) {
        edtWord->insert(button->text());  // replaces any selection
    }
}

void TMSSpellDlg::lstSuggestChange() {
    if (QListWidgetItem* item = lstSuggest->currentItem(); item && item->isSelected()) {
        edtWord->setText(item->text());
    }
}

void TMSSpellDlg::lstSuggestDblClick() {
    if (QListWidgetItem* item = lstSuggest->currentItem()) {
        edtWord->setText(item->text());
        speller_.Answer(TSpellDlg::kChange);
    }
}

void TMSSpellDlg::btnSuggestClick() {
    speller_.Suggest();
}

void TMSSpellDlg::cmbDictionaryChange() {
    speller_.ChooseDictionary(cmbDictionary->currentText().toStdString());
}

void TMSSpellDlg::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    speller_.DialogClosed();
}

void TMSSpellDlg::reject() {
    speller_.Answer(TSpellDlg::kCancel);
    hide();
}

int TMSSpellDlg::VirtualKey(int qtKey, bool keypad) {
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return 0x60 + (qtKey - Qt::Key_0);
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;  // the same codes
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 0x70 + (qtKey - Qt::Key_F1);
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Delete:
            return 0x2E;
        case Qt::Key_Asterisk:
            return keypad ? 0x6A : 0;
        case Qt::Key_Plus:
            return keypad ? 0x6B : 0;
        case Qt::Key_Minus:
            return keypad ? 0x6D : 0;
        case Qt::Key_Period:
            return keypad ? 0x6E : 0;
        case Qt::Key_Slash:
            return keypad ? 0x6F : 0;
        default:
            return 0;
    }
}

bool TMSSpellDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtWord && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        bool modifierHeld =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        speller_.QuickSuggest(VirtualKey(key->key(), key->modifiers() & Qt::KeypadModifier),
                              modifierHeld);
    }
    return QDialog::eventFilter(watched, event);
}

void TMSSpellDlg::SetFoundLabel(const std::string& caption) {
    lblFound->setText(Q(caption));
}

void TMSSpellDlg::SetCurrentWord(const std::string& word) {
    edtCurWord->setText(Q(word));
}

void TMSSpellDlg::SetReplacement(const std::string& text) {
    edtWord->setText(Q(text));
}

std::string TMSSpellDlg::Replacement() const {
    return edtWord->text().toStdString();
}

void TMSSpellDlg::SetSuggestions(const std::vector<std::string>& entries) {
    QSignalBlocker blocker(lstSuggest);
    lstSuggest->clear();
    for (const std::string& entry : entries) {
        lstSuggest->addItem(Q(entry));
    }
}

void TMSSpellDlg::SetDictionaries(const std::vector<std::string>& languages,
                                  const std::string& current) {
    QSignalBlocker blocker(cmbDictionary);
    cmbDictionary->clear();
    for (const std::string& language : languages) {
        cmbDictionary->addItem(Q(language));
    }
    cmbDictionary->setCurrentText(Q(current));
}

void TMSSpellDlg::FocusChange() {
    btnReplace->setFocus();
}

void TMSSpellDlg::FocusReplacement() {
    btnReplace->setFocus();
    edtWord->setFocus();
    edtWord->selectAll();
}

void TMSSpellDlg::ShowDialog() {
    show();
    raise();
    activateWindow();
}

void TMSSpellDlg::CloseDialog() {
    hide();
}

void TMSSpellDlg::BringToFront() {
    ShowDialog();
}

void TMSSpellDlg::SetBusyCursor(bool busy) {
    busyCursor_.Set(busy);
}

int TMSSpellDlg::ScreenHeight() const {
    return screen()->geometry().height();
}

int TMSSpellDlg::DialogHeight() const {
    return frameGeometry().height();
}

int TMSSpellDlg::DialogTop() const {
    return frameGeometry().top();
}

void TMSSpellDlg::MoveDialog(int top) {
    QRect area = screen()->geometry();
    move(area.left() + (area.width() - frameGeometry().width()) / 2, top);
}

void TMSSpellDlg::MoveMouseBy(int dy) {
    if (underMouse()) {
        QCursor::setPos(QCursor::pos() + QPoint(0, dy));
    }
}

}  // namespace zendal
