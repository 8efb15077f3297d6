// The windows program: the application object, then the main window run modally.

#include "app/application.h"
#include "gui/brightwick_dlg.h"
#include "gui/compact_style.h"
#include "gui/first_frame_report.h"
#include "gui/qt_io_runner.h"
#include "gui/qt_prompter.h"
#include "gui/qt_text.h"
#include "gui/queue_listing.h"
#include "gui/single_copy.h"
#include "gui/svg_picture.h"
#include "platform/host_lookup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdio>

namespace {
// How long a second start waits for the running copy's answer.
constexpr int kAskTimeoutMs = 2000;
} // namespace

int main(int argc, char* argv[]) {
    using namespace tessaline;
    QApplication qtApp(argc, argv);
    gui::UseCompactStyle(qtApp);
    QApplication::setApplicationName(QString::fromLatin1(gui::kApplicationName));
    // The desktop entry's name, so that desktops match the window to its entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.tessaline.Tessaline"));
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
        if (refused.cause == LockFailure::HeldByAnother) {
            // The running copy comes to the front; this one ends all the same.
            const std::string socket = app.instanceSocketPath();
            if (!socket.empty() && !gui::AskRunningCopyToShow(gui::qs(socket), kAskTimeoutMs))
                std::fprintf(stderr, "tessaline: another copy is running but did not answer\n");
            return kExitSecondCopy;
        }
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
    services.queuesListedLater = true; // the first frame never waits on the spooler
    services.resolve = ResolveHostIpv4;
    services.windowClosing = [&io] { return io.closePending(); };
    services.showSelfInfo = [&window](const SelfInfoTexts& texts) {
        if (window) window->showSelfInfo(texts);
    };
    MainWindowModel model(app.state(), services);
    gui::CBrightwickDlg dialog(model, &app, prompter);
    window = &dialog;
    const gui::RunningCopyListener listener(dialog, gui::qs(app.instanceSocketPath()));
    if (!listener.listening())
        std::fprintf(stderr, "tessaline: a second start cannot find this window: %s\n",
                     qUtf8Printable(listener.errorText()));
    new gui::QueueListing(dialog, [&spooler, discovery = services.discovery] {
        return ListPrinterQueues(spooler, discovery);
    });
    prompter.setParentWindow(&dialog);
    io.setParentWindow(&dialog);
    io.setLanguage([&model] { return model.region(); });
    gui::ReportFirstFrameWhenAsked(&dialog);
    const int result = dialog.exec();
    app.ReleaseInstance();
    return result;
}
