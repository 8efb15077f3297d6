#pragma once

#include "app/interface_settings.h"
#include "app/settings_file.h"
#include "transport/channel_selection.h"
#include "transport/port_discovery.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// What the selected print queue's port resolves to, for the exchanges that go to it directly.
struct DriverPort {
    PortType kind = PortType::None;
    std::string address;
    std::string number;
};

// One drop-down list: its entries and the selected one (-1 none).
struct ChoiceList {
    std::vector<std::string> entries;
    int selected = -1;

    std::string text() const;
    // Selects the first entry for which `match` is true; false (selection kept) when none.
    template <typename Match> bool selectFirst(Match match) {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (match(entries[i])) {
                selected = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
};

// The interface group of the main window without its controls: the five ways to reach the
// printer, which one is chosen, and what each control holds.
class InterfacePanel {
public:
    enum Group { DriverName = 0, SerialPort = 1, ParallelPort = 2, UsbPort = 3, IpAddress = 4 };
    static constexpr size_t kMaxTcpPortLength = 5;
    static constexpr size_t kMaxUsbInUseLength = 10;

    // Fills the queue and port lists, each selecting its first entry.
    void fill(QueueTable queues, const PortLists& ports);
    // The queue table when it is listed after the start: the queue list fills, and while the
    // queue group is chosen its selection is made as applySavedSettings makes it.
    void fillLateQueues(QueueTable queues, InterfaceSettings& current, DriverPort& driver);

    // Start-up: shows the saved settings in the controls, then applies the selection.
    void applySavedSettings(InterfaceSettings& current, DriverPort& driver,
                            const HostResolver& resolve);
    // Enables the controls of the chosen interface and copies the choice into `current`.
    void applyInterfaceSelection(InterfaceSettings& current, DriverPort& driver);
    // A radio button: chooses the group and applies it.
    void chooseGroup(Group group, InterfaceSettings& current, DriverPort& driver);
    // Copies the controls into `current` (and, for a queue, the driver port) before an exchange.
    void readInterfaceControls(InterfaceSettings& current, DriverPort& driver) const;
    // Moves the selection from a queue to the port behind it. False, with nothing changed, when
    // that port is of no kind the program can open.
    bool useDriverPort(InterfaceSettings& current, DriverPort& driver);
    void restoreDriverSelection(InterfaceSettings& current, DriverPort& driver);

    // What the port channel opens for `current`.
    static ChannelSelection channelSelection(const InterfaceSettings& current,
                                             const DriverPort& driver);

    // List and field edits.
    void selectQueue(int index);
    void selectSerial(int index);
    void selectParallel(int index) { select(parallel_, index); }
    // A device path typed into the serial or parallel field: selected when the list holds it,
    // else shown beside the discovered ports and selected. Surrounding blanks are dropped; an
    // empty text changes nothing.
    void typeSerial(std::string_view path);
    void typeParallel(std::string_view path);
    void selectUsb(int index);
    void setAddress(std::string address) { address_ = std::move(address); }
    void typeTcpPort(std::string_view text);
    // The channel's USB notification.
    void usbNotification(std::string_view notification);

    Group group() const { return group_; }
    const ChoiceList& queues() const { return queueList_; }
    const ChoiceList& serialPorts() const { return serial_; }
    const ChoiceList& parallelPorts() const { return parallel_; }
    const ChoiceList& usbPorts() const { return usb_; }
    const std::string& queueDescription() const { return queueDescription_; }
    const std::string& address() const { return address_; }
    const std::string& tcpPort() const { return tcpPort_; }
    const std::string& usbInUse() const { return usbInUse_; }
    const std::string& queueTooltip() const { return queueTooltip_; }
    const std::string& serialTooltip() const { return serialTooltip_; }
    const std::string& defaultQueue() const { return table_.defaultQueue; }
    // Whether the controls of a group are usable.
    bool groupEnabled(Group group) const { return group == group_; }

private:
    static void select(ChoiceList& list, int index);
    // A serial or parallel list: the discovered ports and a path of the person's own (typed, or
    // saved by an earlier run) that discovery does not find, which stays across refills.
    struct PortChoice {
        std::vector<std::string> discovered;
        std::string ownPath;
    };
    // Refills `list` from `choice`, keeping the selected path when it is still there.
    static void refill(ChoiceList& list, const PortChoice& choice);
    static void usePath(ChoiceList& list, PortChoice& choice, std::string_view path);
    static void keepSavedPath(ChoiceList& list, PortChoice& choice, const std::string& name);
    void fillQueues(QueueTable queues);
    // Selects the queue `name`, else the preferred one, else the default; false when none is.
    bool selectSavedQueue(const std::string& name);
    PortType queueKind(const std::string& name) const;
    std::string queuePortDescription(const std::string& name) const;

    Group group_ = DriverName;
    std::optional<std::string> savedQueue_; // when the saved settings chose the queue group
    QueueTable table_;
    ChoiceList queueList_;
    ChoiceList serial_;
    ChoiceList parallel_;
    ChoiceList usb_;
    PortChoice serialChoice_;
    PortChoice parallelChoice_;
    std::string queueDescription_;
    std::string address_ = std::string(kDefaultPrinterAddress);
    std::string tcpPort_ = std::string(kDefaultPortNumber);
    std::string usbInUse_;
    std::string queueTooltip_;
    std::string serialTooltip_;
};

// The serial line settings a queue's port description carries after its first ", ":
// "9600, 8, 1, None, None". Exactly five parts, or nothing changes.
void ApplySerialDescription(std::string_view settings, InterfaceSettings& current);

} // namespace tessaline
