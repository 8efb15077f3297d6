// The smallest Qt Widgets program with a window: one dialog with one label. The start-up bench
// measures it beside the main window.

#include "gui/first_frame_report.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Tessaline"), &dialog));
    tessaline::gui::ReportFirstFrameWhenAsked(&dialog);
    return dialog.exec();
}
