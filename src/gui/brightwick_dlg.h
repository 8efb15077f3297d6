#pragma once

#include "app/main_window.h"
#include "gui/dialog_units.h"
#include "gui/template_builder.h"

#include <QDialog>

#include <optional>

class QFrame;
class QLabel;
class QTabBar;

namespace tessaline {
class CBrightwickApp;
}

namespace tessaline::gui {

class CDlgTabAdvanced;
class CDlgTabCalibration;
class CDlgTabEasy;
class CDlgTabInformation;
class CDlgTabPrint;
class CDlgTabStandard;

// Control ids of the main window's template.
namespace main_id {
inline constexpr int kModelCaption = 110;
inline constexpr int kModelList = 111;
inline constexpr int kLanguageList = 1035;
inline constexpr int kQueueDescription = 121;
inline constexpr int kPortCaption = 122;
inline constexpr int kFirstInterfaceRadio = 123; // to 127
inline constexpr int kQueueList = 128;
inline constexpr int kSerialList = 129;
inline constexpr int kParallelList = 130;
inline constexpr int kUsbList = 131;
inline constexpr int kAddress = 132;
inline constexpr int kTcpPort = 133;
inline constexpr int kDetail = 134;
inline constexpr int kUsbInUse = 1119;
inline constexpr int kSend = 172;
inline constexpr int kExit = 173;
inline constexpr int kImport = 174;
inline constexpr int kExport = 175;
inline constexpr int kRestoreDefaults = 176;
inline constexpr int kReceive = 177;
inline constexpr int kReceiveScope = 178;
inline constexpr int kPrint = 179;
inline constexpr int kTabs = 180;
inline constexpr int kSelfInfo = 181;
inline constexpr int kCheckAll = 190;
} // namespace main_id

// The main window: model, language and interface choice, the pages in their tabs, and the
// command buttons. It shows its model and hands every click to it.
class CBrightwickDlg final : public QDialog {
    Q_OBJECT
public:
    // `app` may be null (tests): closing then ends the window without the exit question.
    CBrightwickDlg(MainWindowModel& model, CBrightwickApp* app, Prompter& prompter,
                   QWidget* parent = nullptr);

    MainWindowModel& model() { return model_; }
    QWidget* control(int id) const { return controls_.widget(id); }
    QTabBar* tabBar() const;
    CDlgTabStandard* standardPage() const { return standard_; }
    CDlgTabAdvanced* advancedPage() const { return advanced_; }
    CDlgTabEasy* easyPage() const { return easy_; }
    CDlgTabInformation* informationPage() const { return information_; }
    CDlgTabCalibration* calibrationPage() const { return calibration_; }
    CDlgTabPrint* printPage() const { return printTest_; }
    QWidget* page(TabIndex tab) const;
    const DialogUnits& units() const { return units_; }
    // The height of the status line at the window's foot, below the pages.
    int statusHeight() const;

    // Shows the model's state in every control.
    void refresh();
    // Runs the self-information dialog over the fetched texts, modally; it saves into the
    // process's current directory.
    void showSelfInfo(const SelfInfoTexts& texts);
    // The channel's USB notification, delivered on the window's thread.
    void usbNotification(const QString& pathAndName);
    // The print queues, listed after the window was made and delivered on its thread. While a
    // command or the exit question runs they are held back until it ends: an exchange reads the
    // interface settings on its own thread.
    void takeQueueTable(QueueTable table);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override {} // Escape never closes the window

private:
    void connectControls();
    void runCommand(void (MainWindowModel::*command)());
    void clickButton(int id);
    void refreshTexts();
    void stepTab(int step);
    void setCaption(int id, std::string_view text);
    static const DialogTemplate& layout();
    void refreshInterfaces();
    void refreshButtons();
    void refreshPages();
    void exitWith(int code);
    // The exit question, with its saving; true when the window may close.
    bool confirmExit();
    void applyHeldQueueTable();
    void changeLanguage(int index);
    // The dialog font with the region's CJK face, for the window and the application.
    void useRegionFont(int region);

    MainWindowModel& model_;
    CBrightwickApp* app_;
    Prompter& prompter_;
    DialogUnits units_;
    BuiltControls controls_;
    QFrame* tabFrame_ = nullptr;
    QLabel* statusLine_ = nullptr; // what the last command did, where and when
    CDlgTabEasy* easy_ = nullptr;
    CDlgTabStandard* standard_ = nullptr;
    CDlgTabAdvanced* advanced_ = nullptr;
    CDlgTabInformation* information_ = nullptr;
    CDlgTabCalibration* calibration_ = nullptr;
    CDlgTabPrint* printTest_ = nullptr;
    QFont dialogFont_;
    int busy_ = 0; // commands and questions under way
    std::optional<QueueTable> heldQueues_;
};

// "2.0.0" as the four-part file version "2.0.0.0".
QString FileVersionText(const QString& version);

} // namespace tessaline::gui
