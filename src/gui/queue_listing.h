#pragma once

#include "transport/port_discovery.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace tessaline::gui {

class CBrightwickDlg;

// Lists the print queues on a worker thread, so that the window's first frame never waits on
// the spooler, and hands the table to the window on the window's thread when it arrives. A
// child of the window: it ends with the window, after the listing has ended (its waits have
// time limits).
class QueueListing final : public QObject {
public:
    QueueListing(CBrightwickDlg& window, std::function<QueueTable()> list);
    ~QueueListing() override;

private:
    std::unique_ptr<QThread> worker_;
};

} // namespace tessaline::gui
