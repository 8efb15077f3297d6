#include "app/direct_choice.h"

namespace tessaline {

MainWindowModel::DirectChoice::DirectChoice(MainWindowModel& window) : w_(window) {
    InterfaceSettings& current = w_.app_.current;
    DriverPort& driver = w_.app_.driverPort;
    fromDriver_ = w_.interfaces_.group() == InterfacePanel::DriverName;
    // A queue whose port the program cannot open stays selected; the session refuses it.
    if (fromDriver_) w_.interfaces_.useDriverPort(current, driver);
    w_.interfaces_.readInterfaceControls(current, driver);
    session().select(InterfacePanel::channelSelection(current, driver));
}

void MainWindowModel::DirectChoice::restore() {
    if (!fromDriver_) return;
    fromDriver_ = false;
    w_.interfaces_.restoreDriverSelection(w_.app_.current, w_.app_.driverPort);
}

} // namespace tessaline
