#pragma once

// A page that makes its controls when it is first shown, or when one of them is asked for
// earlier: most people never open most tabs, and every start would pay for them.

#include <QShowEvent>
#include <QWidget>

namespace tessaline::gui {

template <typename Page> class MadeWhenShown : public Page {
public:
    using Page::Page;

protected:
    // Makes the page's controls; called once.
    virtual void build() = 0;
    bool made() const { return made_; }
    // Makes the page if it is not made yet.
    void ensureMade() const {
        if (made_) return;
        auto* self = const_cast<MadeWhenShown*>(this);
        self->made_ = true;
        self->build();
        // Made while the page is being shown: its children missed the show, so they are shown
        // here, all but those hidden on purpose.
        if (self->isVisible())
            for (QWidget* w : self->template findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide)) w->show();
    }
    void showEvent(QShowEvent* event) override {
        ensureMade();
        Page::showEvent(event);
    }

private:
    bool made_ = false;
};

} // namespace tessaline::gui
