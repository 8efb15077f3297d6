#include "gui/queue_listing.h"

#include "gui/brightwick_dlg.h"

#include <QThread>

#include <utility>

namespace tessaline::gui {

QueueListing::QueueListing(CBrightwickDlg& window, std::function<QueueTable()> list)
    : QObject(&window) {
    // The table is posted to this object, which lives on the window's thread; the delivery is
    // dropped when the window has gone in the meantime.
    worker_.reset(QThread::create([this, &window, list = std::move(list)] {
        QueueTable table = list();
        QMetaObject::invokeMethod(
            this,
            [&window, table = std::move(table)]() mutable {
                window.takeQueueTable(std::move(table));
            },
            Qt::QueuedConnection);
    }));
    worker_->start();
}

QueueListing::~QueueListing() {
    worker_->wait();
}

} // namespace tessaline::gui
