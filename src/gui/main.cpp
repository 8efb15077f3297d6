// The windows program: the application object, then the main window run modally.

#include "app/application.h"
#include "gui/after_first_frame.h"
#include "gui/brightwick_dlg.h"
#include "gui/compact_style.h"
#include "gui/first_frame_report.h"
#include "gui/qt_io_runner.h"
#include "gui/qt_prompter.h"
#include "gui/qt_text.h"
#include "gui/svg_picture.h"
#include "platform/host_lookup.h"
#include "platform/startup_heap.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cmath>
#include <cstddef>
#include <cstdio>

namespace {

// What the main window's start-up takes from the heap, from the application object to the
// first frame, its window image aside.
constexpr std::size_t kStartupHeapBytes = std::size_t{1536} << 10;

// The image a window is painted into, which most platforms keep on the heap.
std::size_t WindowImageBytes(const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    const auto width = static_cast<std::size_t>(std::ceil(window.width() * ratio));
    const auto height = static_cast<std::size_t>(std::ceil(window.height() * ratio));
    return width * height * 4;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tessaline;
    PrepareHeap(kStartupHeapBytes);
    QApplication qtApp(argc, argv);
    gui::UseCompactStyle(qtApp);
    QApplication::setApplicationName(QString::fromLatin1(gui::kApplicationName));
    // The desktop entry's name, so that desktops match the window to its entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("tessaline"));
    QApplication::setWindowIcon(gui::PictureIcon(QStringLiteral("tessaline")));

    QPointer<gui::CBrightwickDlg> window;
    CBrightwickApp::Options options;
    // The channel tells which USB port it opened from the worker thread; the window hears it on
    // its own thread.
    options.channel.usbInUse = [&window, &qtApp](const std::string& pathAndName) {
        const QString text = gui::qs(pathAndName);
        QMetaObject::invokeMethod(
            &qtApp,
            [&window, text] {
                if (window) window->usbNotification(text);
            },
            Qt::QueuedConnection);
    };
    CBrightwickApp app(options);
    if (!app.InitInstance()) {
        const LockError& refused = app.lockError();
        if (refused.cause == LockFailure::HeldByAnother) return kExitSecondCopy;
        // Not a second copy: a lock folder or file that is not safe to use, which the person
        // has to learn about.
        std::fprintf(stderr, "tessaline: %s\n", refused.detail.c_str());
        QMessageBox::critical(nullptr, QString::fromLatin1(gui::kApplicationName),
                              gui::qs(refused.detail));
        return kExitLockRefused;
    }

    gui::QtPrompter prompter;
    gui::QtIoRunner io;
    PrintSpooler spooler;
    MainWindowServices services;
    services.prompter = &prompter;
    PrinterSession session({options.channel, &spooler, &io});
    services.session = &session;
    services.spooler = &spooler;
    services.resolve = ResolveHostIpv4;
    services.showSelfInfo = [&window](const SelfInfoTexts& texts) {
        if (window) window->showSelfInfo(texts);
    };
    MainWindowModel model(app.state(), services);
    gui::CBrightwickDlg dialog(model, &app, prompter);
    window = &dialog;
    prompter.setParentWindow(&dialog);
    io.setParentWindow(&dialog);
    PrepareHeap(WindowImageBytes(dialog));
    gui::AfterFirstFrame(&dialog, ReturnUnusedHeap);
    gui::ReportFirstFrameWhenAsked(&dialog);
    const int result = dialog.exec();
    app.ReleaseInstance();
    return result;
}
