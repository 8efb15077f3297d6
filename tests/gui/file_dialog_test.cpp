#include "gui/qt_prompter.h"
#include "gui/window_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace tessaline::gui {
namespace {

// Runs the real file dialog of a save: the person picks the filter at `filterIndex`, types
// `name` and accepts. Returns the chosen path.
std::optional<std::string> saveAs(const std::string& folder, int filterIndex, const char* name) {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.filters = {{"Text (*.prn)", "*.prn"}, {"All Files (*.*)", "*.*"}};
    choice.defaultExtension = "prn";
    choice.initialFolder = folder;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer.stop();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(filterIndex);
        // What a person's choice in the list signals.
        emit types->activated(filterIndex);
        emit types->textActivated(types->currentText());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    timer.start();
    QtPrompter prompter;
    return prompter.chooseFile(choice);
}

TEST(FileDialog, TheExtensionIsAddedOnlyUnderItsOwnFilter) {
    TestApplication();
    TempTree tree;
    struct Case {
        int filter;
        const char* typed;
        const char* chosen;
    };
    const Case cases[] = {{0, "label", "label.prn"}, {1, "label", "label"}, {0, "a.txt", "a.txt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<std::string> chosen = saveAs(tree.path(), c.filter, c.typed);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(*chosen, tree.path(c.chosen));
    }
}

} // namespace
} // namespace tessaline::gui
