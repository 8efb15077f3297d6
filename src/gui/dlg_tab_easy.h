#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QRadioButton;

namespace tessaline {
class EasyPage;
}

namespace tessaline::gui {

class RowPageView;

// The Easy page: the media kind with pictures, the print method, and what happens after
// printing. Its controls are made when it is first shown.
class CDlgTabEasy final : public QWidget {
    Q_OBJECT
public:
    CDlgTabEasy(EasyPage& page, QWidget* parent = nullptr);
    void refresh();
    QRadioButton* mediaButton(int kind) const { return media_[static_cast<size_t>(kind)]; }

signals:
    void edited(); // the person changed a row or the media kind

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();

    EasyPage& page_;
    RowPageView* left_ = nullptr;
    RowPageView* right_ = nullptr;
    std::array<QRadioButton*, 3> media_{};
};

} // namespace tessaline::gui
