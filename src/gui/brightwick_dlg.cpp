#include "gui/brightwick_dlg.h"

#include "app/application.h"
#include "config/printer_models.h"
#include "gui/access_keys.h"
#include "gui/com_settings_dlg.h"
#include "gui/dlg_self_info.h"
#include "gui/dlg_tab_advanced.h"
#include "gui/dlg_tab_calibration.h"
#include "gui/dlg_tab_easy.h"
#include "gui/dlg_tab_information.h"
#include "gui/dlg_tab_print.h"
#include "gui/dlg_tab_standard.h"
#include "gui/ipv4_field.h"
#include "gui/qt_text.h"
#include "gui/row_page_view.h"
#include "text/error_detail.h"
#include "text/text_tables.h"
#include "version.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>

namespace tessaline::gui {

namespace {

using namespace main_id;

// The language list, in region order, each in its own script.
constexpr std::array<const char*, kRegionCount> kLanguageNames = {"English", "日本語", "简体中文",
                                                                  "한국어"};

// Item text rows of the main window's captions.
namespace item_row {
constexpr size_t kTabs = 0;
constexpr size_t kCheckAll = 1;
constexpr size_t kModelCaption = 2;
constexpr size_t kDriverName = 3;
constexpr size_t kDetail = 4;
constexpr size_t kIpAddress = 5;
constexpr size_t kPortNumber = 6;
constexpr size_t kSend = 7;
constexpr size_t kImport = 8;
constexpr size_t kExport = 9;
constexpr size_t kReceive = 10;
constexpr size_t kRestoreDefaults = 11;
constexpr size_t kExit = 12;
} // namespace item_row
constexpr size_t kExecuteCaption = 3; // of the Print Test captions
// A command caption wider than its button is shown in a smaller font, down to this size.
constexpr double kSmallestButtonPoints = 6;

// Window geometry in pixels of the template font's 7 x 14 cell.
constexpr int kTabX = 7, kTabY = 35, kTabWidth = 614, kTabHeightMargin = 10;
constexpr int kPageX = 10, kPageY = 60;
constexpr int kMinWidth = 350, kMinHeight = 300, kMaxWidth = 840;

// Position of each interface group's radio button after the first.
constexpr std::array<int, 5> kFocusTargets = {kQueueList, kSerialList, kParallelList, kUsbList,
                                              kAddress};

void setText(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        // A relabelled radio button or check box keeps its whole caption in view.
        if (!qobject_cast<QPushButton*>(button))
            button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
}

void setText(QWidget* widget, std::string_view text) {
    setText(widget, qs(text));
}

void showList(QWidget* widget, const ChoiceList& list, bool enabled) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (!combo) return;
    ShowList(combo, list.entries, list.selected);
    combo->setEnabled(enabled);
}

} // namespace

QString FileVersionText(const QString& version) {
    QStringList parts = version.split('.');
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    for (QString& part : parts)
        part = QString::number(part.toInt());
    return parts.mid(0, 4).join('.');
}

CBrightwickDlg::CBrightwickDlg(MainWindowModel& model, CBrightwickApp* app, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), model_(model), app_(app), prompter_(prompter) {
    const DialogTemplate& layout = this->layout();
    dialogFont_ = DialogFont(layout.fontFamily, layout.fontPoints);
    useRegionFont(0);
    units_ = DialogUnitsOf(dialogFont_);
    setWindowTitle(layout.title + ' ' + FileVersionText(QString::fromLatin1(kVersion)));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    controls_ = BuildDialog(this, layout, units_);

    if (auto* languages = controls_.get<QComboBox>(kLanguageList)) {
        for (const char* name : kLanguageNames)
            languages->addItem(QString::fromUtf8(name));
    }
    if (auto* models = controls_.get<QComboBox>(kModelList)) {
        for (std::string_view name : modelNames())
            models->addItem(qs(name));
    }
    if (QTabBar* bar = tabBar()) {
        bar->setDrawBase(false);
        bar->setExpanding(false);
    }

    tabFrame_ = new QFrame(this);
    tabFrame_->setFrameShape(QFrame::StyledPanel);
    tabFrame_->lower();
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    easy_ = new CDlgTabEasy(model_.easy, this);
    standard_ = new CDlgTabStandard(model_.standard, this);
    advanced_ = new CDlgTabAdvanced(model_.advanced, this);
    information_ = new CDlgTabInformation(model_.information, this);
    // The pages' own command buttons click the host's.
    calibration_ = new CDlgTabCalibration(
        model_.calibration, [this] { clickButton(kSend); }, this);
    printTest_ = new CDlgTabPrint(model_.printTest,
                                  {[this] { clickButton(kPrint); },
                                   [this] {
                                       model_.BrowsePrintFile();
                                       refresh();
                                   }},
                                  this);

    connectControls();
    model_.Initialise();
    setMinimumSize(units_.px(kMinWidth), units_.py(kMinHeight));
    setMaximumWidth(units_.px(kMaxWidth));
    resize(units_.x(layout.width), units_.y(layout.height) + statusHeight());
    refresh();
}

void CBrightwickDlg::stepTab(int step) {
    QTabBar* bar = tabBar();
    const int count = bar ? bar->count() : 0;
    for (int k = 1; k < count; ++k) {
        const int index = ((bar->currentIndex() + k * step) % count + count) % count;
        if (bar->isTabEnabled(index)) {
            bar->setCurrentIndex(index);
            return;
        }
    }
}

QTabBar* CBrightwickDlg::tabBar() const {
    return controls_.get<QTabBar>(kTabs);
}

QWidget* CBrightwickDlg::page(TabIndex tab) const {
    switch (tab) {
    case TabIndex::Easy:
        return easy_;
    case TabIndex::Standard:
        return standard_;
    case TabIndex::Information:
        return information_;
    case TabIndex::SensorAdjustment:
        return calibration_;
    case TabIndex::PrintTest:
        return printTest_;
    case TabIndex::Advanced:
        return advanced_;
    }
    return nullptr;
}

void CBrightwickDlg::connectControls() {
    if (auto* models = controls_.get<QComboBox>(kModelList)) {
        connect(models, &QComboBox::activated, this, [this](int index) {
            if (model_.MayResetEditedPages()) model_.ChangeModel(index);
            refresh(); // a change the person declined shows the model as it was
        });
    }
    if (auto* languages = controls_.get<QComboBox>(kLanguageList))
        connect(languages, &QComboBox::activated, this, &CBrightwickDlg::changeLanguage);
    if (QTabBar* bar = tabBar()) {
        connect(bar, &QTabBar::currentChanged, this, [this](int index) {
            const auto tabs = model_.tabs();
            if (index >= 0 && index < static_cast<int>(tabs.size()))
                model_.ChangeTab(tabs[static_cast<size_t>(index)]);
            refresh();
        });
        // Ctrl+Tab and Ctrl+PageDown go to the next tab, Ctrl+Shift+Tab and Ctrl+PageUp to the
        // one before, wherever the focus is and round from the last to the first.
        const std::pair<QKeySequence, int> steps[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
            {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
            {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
        for (const auto& [keys, step] : steps) {
            auto* shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepTab(step); });
        }
    }
    if (auto* box = controls_.get<QCheckBox>(kCheckAll)) {
        connect(box, &QCheckBox::clicked, this, [this](bool checked) {
            model_.SetCheckAllBox(checked);
            refresh();
        });
    }
    for (int group = 0; group < 5; ++group) {
        auto* radio = controls_.get<QRadioButton>(kFirstInterfaceRadio + group);
        if (!radio) continue;
        connect(radio, &QRadioButton::clicked, this, [this, group] {
            model_.ChooseInterface(static_cast<InterfacePanel::Group>(group));
            refresh();
            if (QWidget* target = control(kFocusTargets[static_cast<size_t>(group)]))
                target->setFocus();
        });
    }
    auto onList = [this](int id, void (InterfacePanel::*select)(int)) {
        if (auto* combo = controls_.get<QComboBox>(id)) {
            connect(combo, &QComboBox::activated, this, [this, select](int index) {
                (model_.interfaces().*select)(index);
                refresh();
            });
        }
    };
    onList(kQueueList, &InterfacePanel::selectQueue);
    onList(kUsbList, &InterfacePanel::selectUsb);
    // The serial and parallel fields also take a device path the person types. Both a choice
    // from the list and a finished edit hand over the field's text, so that a typed path is
    // never replaced by the entry that was selected before.
    auto onPathField = [this](int id, void (InterfacePanel::*type)(std::string_view)) {
        auto* combo = controls_.get<QComboBox>(id);
        if (!combo) return;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        const auto take = [this, combo, type] {
            (model_.interfaces().*type)(us(combo->currentText()));
            refresh();
        };
        connect(combo, &QComboBox::activated, this, take);
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, take);
    };
    onPathField(kSerialList, &InterfacePanel::typeSerial);
    onPathField(kParallelList, &InterfacePanel::typeParallel);
    if (auto* address = controls_.get<Ipv4Field>(kAddress)) {
        connect(address, &Ipv4Field::edited, this,
                [this, address] { model_.interfaces().setAddress(us(address->text())); });
    }
    if (auto* port = controls_.get<QLineEdit>(kTcpPort)) {
        connect(port, &QLineEdit::textEdited, this,
                [this](const QString& text) { model_.interfaces().typeTcpPort(us(text)); });
    }
    if (auto* detail = controls_.get<QPushButton>(kDetail)) {
        connect(detail, &QPushButton::clicked, this, [this] {
            CComSettingsDlg dialog(model_.app().current, model_.region(), this);
            dialog.exec();
        });
    }
    const std::pair<int, void (MainWindowModel::*)()> commands[] = {
        {kSend, &MainWindowModel::OnSendConfiguration},
        {kPrint, &MainWindowModel::OnSendConfiguration},
        {kImport, &MainWindowModel::OnImport},
        {kExport, &MainWindowModel::OnExport},
        {kReceive, &MainWindowModel::OnReceive},
        {kRestoreDefaults, &MainWindowModel::OnRestoreDefaults},
        {kSelfInfo, &MainWindowModel::OnSelfInfo},
    };
    for (const auto& [id, command] : commands) {
        if (auto* button = controls_.get<QPushButton>(id)) {
            connect(button, &QPushButton::clicked, this,
                    [this, command = command] { runCommand(command); });
        }
    }
    if (auto* exit = controls_.get<QPushButton>(kExit))
        connect(exit, &QPushButton::clicked, this, [this] { exitWith(kExitCommand); });
    connect(standard_->rows(), &RowPageView::edited, this, [this] {
        model_.NoteEdit();
        refreshPages();
    });
    connect(advanced_, &CDlgTabAdvanced::edited, this, [this] {
        model_.NoteEdit();
        refreshPages();
    });
    connect(easy_, &CDlgTabEasy::edited, this, [this] { model_.NoteEdit(); });
}

void CBrightwickDlg::changeLanguage(int index) {
    if (!model_.MayResetEditedPages()) {
        refresh(); // the list shows the language as it was
        return;
    }
    model_.ChangeLanguage(static_cast<Region>(index));
    useRegionFont(index);
    refresh();
}

void CBrightwickDlg::useRegionFont(int region) {
    const QFont font = RegionFont(region, dialogFont_);
    // The application's too: messages and file dialogs then show the window's face, and a line
    // edit, which lays out its empty text in the application's font while it is being made,
    // does not load a second face for it at start-up.
    QApplication::setFont(font);
    setFont(font);
}

void CBrightwickDlg::runCommand(void (MainWindowModel::*command)()) {
    ++busy_;
    (model_.*command)();
    --busy_;
    applyHeldQueueTable();
    refresh();
}

void CBrightwickDlg::takeQueueTable(QueueTable table) {
    heldQueues_ = std::move(table);
    applyHeldQueueTable();
}

void CBrightwickDlg::applyHeldQueueTable() {
    if (!heldQueues_ || busy_ > 0) return;
    model_.TakeQueueTable(std::move(*heldQueues_));
    heldQueues_.reset();
    refreshInterfaces();
}

int CBrightwickDlg::statusHeight() const {
    return statusLine_->fontMetrics().height() + 4;
}

void CBrightwickDlg::refresh() {
    statusLine_->setText(qs(RenderDetail(model_.lastDone(), model_.region())));
    refreshTexts();
    refreshInterfaces();
    refreshButtons();
    refreshPages();
}

const DialogTemplate& CBrightwickDlg::layout() {
    return CompiledTemplate(QStringLiteral("main_window"));
}

// A command's caption in the window's language, with the access key its template gives it.
void CBrightwickDlg::setCaption(int id, std::string_view text) {
    const TemplateControl* placed = layout().control(id);
    const QString caption =
        WithAccessKey(qs(text), placed ? AccessKey(*placed) : QChar(), model_.region());
    if (auto* button = qobject_cast<QPushButton*>(control(id)))
        FitButtonCaption(button, caption, kSmallestButtonPoints);
    else
        setText(control(id), caption);
}

void CBrightwickDlg::refreshTexts() {
    const Region region = model_.region();
    auto item = [region](size_t row, size_t k = 0) { return ItemTextsRow(row).label(k, region); };
    if (QTabBar* bar = tabBar()) {
        const QSignalBlocker block(bar);
        const auto tabs = model_.tabs();
        while (bar->count() > static_cast<int>(tabs.size()))
            bar->removeTab(bar->count() - 1);
        for (size_t i = 0; i < tabs.size(); ++i) {
            const QString caption = WithAccessKey(
                qs(item(item_row::kTabs, static_cast<size_t>(tabs[i]))),
                AccessKey(*layout().control(kTabs), static_cast<int>(tabs[i])), region);
            if (static_cast<int>(i) < bar->count())
                bar->setTabText(static_cast<int>(i), caption);
            else
                bar->addTab(caption);
            if (tabs[i] == model_.tab()) bar->setCurrentIndex(static_cast<int>(i));
        }
    }
    setCaption(kCheckAll, item(item_row::kCheckAll));
    setText(control(kModelCaption), item(item_row::kModelCaption));
    setText(control(kFirstInterfaceRadio), item(item_row::kDriverName));
    setCaption(kDetail, item(item_row::kDetail));
    setText(control(kFirstInterfaceRadio + InterfacePanel::IpAddress), item(item_row::kIpAddress));
    setText(control(kPortCaption), item(item_row::kPortNumber));
    switch (model_.buttons().sendCaption) {
    case SendCaption::SendConfiguration:
        setCaption(kSend, item(item_row::kSend, 0));
        break;
    case SendCaption::StartAdjustment:
        setCaption(kSend, item(item_row::kSend, 1));
        break;
    case SendCaption::Execute:
        setCaption(kSend, PrintItemTexts()[kExecuteCaption].label(0, region));
        break;
    }
    setCaption(kImport, item(item_row::kImport));
    setCaption(kExport, item(item_row::kExport));
    setCaption(kReceive, item(item_row::kReceive));
    setCaption(kRestoreDefaults, item(item_row::kRestoreDefaults));
    setCaption(kExit, item(item_row::kExit));
    if (auto* scope = controls_.get<QComboBox>(kReceiveScope)) {
        std::vector<std::string> values;
        for (size_t k = 0; k < 4; ++k)
            values.emplace_back(ItemTextsRow(item_row::kReceive).value(k, region));
        ShowList(scope, values, static_cast<int>(model_.receiveScope()));
    }
    if (auto* languages = controls_.get<QComboBox>(kLanguageList)) {
        const QSignalBlocker block(languages);
        languages->setCurrentIndex(RegionColumn(region));
    }
    if (auto* models = controls_.get<QComboBox>(kModelList)) {
        const QSignalBlocker block(models);
        models->setCurrentIndex(model_.model());
        models->setToolTip(models->currentText());
    }
}

void CBrightwickDlg::refreshInterfaces() {
    const InterfacePanel& panel = model_.interfaces();
    for (int group = 0; group < 5; ++group) {
        if (auto* radio = controls_.get<QRadioButton>(kFirstInterfaceRadio + group)) {
            const QSignalBlocker block(radio);
            radio->setChecked(panel.group() == group);
        }
    }
    const bool driver = panel.groupEnabled(InterfacePanel::DriverName);
    const bool serial = panel.groupEnabled(InterfacePanel::SerialPort);
    const bool network = panel.groupEnabled(InterfacePanel::IpAddress);
    showList(control(kQueueList), panel.queues(), driver);
    showList(control(kSerialList), panel.serialPorts(), serial);
    showList(control(kParallelList), panel.parallelPorts(),
             panel.groupEnabled(InterfacePanel::ParallelPort));
    showList(control(kUsbList), panel.usbPorts(), panel.groupEnabled(InterfacePanel::UsbPort));
    control(kQueueList)->setToolTip(qs(panel.queueTooltip()));
    control(kSerialList)->setToolTip(qs(panel.serialTooltip()));
    setText(control(kQueueDescription), panel.queueDescription());
    control(kQueueDescription)->setEnabled(driver);
    control(kDetail)->setEnabled(serial);
    setText(control(kUsbInUse), panel.usbInUse());
    if (auto* address = controls_.get<Ipv4Field>(kAddress)) {
        if (address->text() != qs(panel.address())) address->setText(qs(panel.address()));
        address->setEnabled(network);
    }
    control(kPortCaption)->setEnabled(network);
    if (auto* port = controls_.get<QLineEdit>(kTcpPort)) {
        if (port->text() != qs(panel.tcpPort())) port->setText(qs(panel.tcpPort()));
        port->setEnabled(network);
    }
}

void CBrightwickDlg::refreshButtons() {
    const TabButtonStates& states = model_.buttons();
    control(kSend)->setEnabled(states.send);
    control(kImport)->setEnabled(states.importFile);
    control(kExport)->setEnabled(states.exportFile);
    control(kReceive)->setEnabled(states.receive);
    control(kRestoreDefaults)->setEnabled(states.restoreDefaults);
    control(kSelfInfo)->setEnabled(states.selfInfo);
    control(kSelfInfo)->setVisible(model_.selfInfoShown());
    if (auto* box = controls_.get<QCheckBox>(kCheckAll)) {
        const QSignalBlocker block(box);
        box->setChecked(model_.checkAllBox());
        box->setEnabled(states.checkAllBox);
    }
}

void CBrightwickDlg::refreshPages() {
    easy_->refresh();
    standard_->refresh();
    advanced_->refresh();
    information_->refresh();
    calibration_->refresh();
    printTest_->refresh();
    for (TabIndex tab : {TabIndex::Easy, TabIndex::Standard, TabIndex::Information,
                         TabIndex::SensorAdjustment, TabIndex::PrintTest, TabIndex::Advanced})
        page(tab)->setVisible(tab == model_.tab());
}

void CBrightwickDlg::clickButton(int id) {
    if (auto* button = controls_.get<QPushButton>(id)) button->click();
}

void CBrightwickDlg::showSelfInfo(const SelfInfoTexts& texts) {
    CDlgSelfInfo dialog(texts, prompter_, this);
    dialog.exec();
}

void CBrightwickDlg::usbNotification(const QString& pathAndName) {
    model_.UsbNotification(us(pathAndName));
    refresh();
}

void CBrightwickDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // swallowed: Escape never closes the window
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CBrightwickDlg::confirmExit() {
    if (!app_) return true;
    ++busy_;
    const bool confirmed = app_->ConfirmExitAndSave(model_, prompter_);
    --busy_;
    if (!confirmed) applyHeldQueueTable();
    return confirmed;
}

void CBrightwickDlg::exitWith(int code) {
    if (!confirmExit()) return;
    done(code);
}

void CBrightwickDlg::closeEvent(QCloseEvent* event) {
    if (!confirmExit()) {
        event->ignore();
        return;
    }
    event->accept();
    done(kExitCloseBox);
}

void CBrightwickDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int cx = width();
    // The status line takes the bottom line; the pages and their frame end above it.
    const int status = statusHeight();
    statusLine_->setGeometry(units_.px(kTabX), height() - status,
                             std::max(0, cx - units_.px(kTabX)), status);
    const int cy = height() - status;
    const int tabTop = units_.py(kTabY);
    if (QTabBar* bar = tabBar()) {
        bar->setGeometry(units_.px(kTabX), tabTop, units_.px(kTabWidth), bar->sizeHint().height());
        const int frameTop = tabTop + bar->height() - 1;
        tabFrame_->setGeometry(units_.px(kTabX), frameTop, units_.px(kTabWidth),
                               std::max(0, cy - units_.py(kTabHeightMargin) - frameTop));
    }
    const QRect pageRect(units_.px(kPageX), units_.py(kPageY), cx == 0 ? 0 : units_.px(kPageWidth),
                         std::max(0, cy - units_.py(kHostHeightMargin)));
    for (TabIndex tab : {TabIndex::Easy, TabIndex::Standard, TabIndex::Information,
                         TabIndex::SensorAdjustment, TabIndex::PrintTest, TabIndex::Advanced})
        page(tab)->setGeometry(pageRect);
}

} // namespace tessaline::gui
