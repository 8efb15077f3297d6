// A device path typed into the serial field is the port the window's exchanges use.

#include "gui/brightwick_dlg.h"
#include "gui/dlg_tab_standard.h"
#include "gui/row_page_view.h"
#include "gui/window_fixture.h"
#include "pages/standard_page.h"
#include "transport/command_prefix.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tessaline;
using namespace tessaline::gui;
using namespace tessaline::gui::main_id;

TEST_F(WindowTest, SendGoesToAPseudoTerminalPathTypedIntoTheSerialField) {
    const std::string pty = tree_.path("printer-pty");
    sim_ = std::make_unique<SimProcess>(
        std::vector<std::string>{"--pty", pty, "--record", recordPath()});
    ASSERT_TRUE(sim_->running());
    openWindow(); // no saved interface
    control<QRadioButton>(kFirstInterfaceRadio + InterfacePanel::SerialPort)->click();
    window_->standardPage()->rows()->checkBox(standard_row::kPrintSpeed)->click();
    auto* serial = control<QComboBox>(kSerialList);
    ASSERT_TRUE(serial->isEditable());
    window_->activateWindow(); // focus moves only in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    serial->setFocus();
    serial->lineEdit()->selectAll();
    QTest::keyClicks(serial->lineEdit(), QString::fromStdString(pty));
    // Leaving the field hands the path over, as the click on Send does for a person.
    QTest::keyClick(serial->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(model_->interfaces().serialPorts().text(), pty);
    // The field shows the typed path as its selected entry.
    EXPECT_EQ(serial->currentText().toStdString(), pty);
    EXPECT_EQ(serial->itemText(serial->currentIndex()).toStdString(), pty);

    person_.answers = {true}; // Send's confirmation
    control<QPushButton>(kSend)->click();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    EXPECT_EQ(app_.current.portName, pty);
    sim_->stop(); // flushes what it received
    const std::string wire = recorded();
    const auto at = wire.find(CommandPrefix);
    ASSERT_NE(at, std::string::npos) << wire;
    EXPECT_NE(wire.find("PRINT SPEED\t:\t", at), std::string::npos);
}
