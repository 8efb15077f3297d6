#pragma once

// One running copy per user: the first copy listens on a local socket in the user's own lock
// folder; a second start asks it to bring its window to the front and then ends.

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

namespace tessaline::gui {

// The request a second start sends, and the running copy's answer once its window is in front.
inline constexpr char kShowRequest[] = "show\n";
inline constexpr char kShownAnswer[] = "shown\n";

// Listens at `socketPath` (only this user may connect) and brings `window` to the front on every
// show request.
class RunningCopyListener : public QObject {
    Q_OBJECT
public:
    RunningCopyListener(QWidget& window, const QString& socketPath);
    // False when the socket could not be made; the program runs all the same, only a second
    // start then cannot find it.
    bool listening() const;
    QString errorText() const;

private:
    void answer();
    QPointer<QWidget> window_;
    QLocalServer* server_;
};

// Shows, un-minimises, raises and activates `window`.
void BringToFront(QWidget& window);

// A second start: asks the copy listening at `socketPath` to show its window, waiting up to
// `timeoutMs` for it to listen and answer. True when it answered.
bool AskRunningCopyToShow(const QString& socketPath, int timeoutMs);

} // namespace tessaline::gui
