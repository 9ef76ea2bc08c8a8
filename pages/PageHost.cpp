#include "pages/PageHost.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QVBoxLayout>

namespace velmar {

TPageHost::TPageHost(QWidget* container, TPageServices& services, QObject* parent)
    : QObject(parent), container_(container), services_(services), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    if (!container_->layout()) {
        auto* layout = new QVBoxLayout(container_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { ButtonClicked(id); });
}

TPageHost::~TPageHost() { DestroyPage(); }

void TPageHost::AddPage(int id, QAbstractButton* button, Factory factory, bool listPage) {
    button->setCheckable(true);
    group_->addButton(button, id);
    pages_[id] = Entry{button, std::move(factory), listPage};
}

QAbstractButton* TPageHost::CurrentButton() const { return Button(currentId_); }

QAbstractButton* TPageHost::Button(int id) const {
    auto it = pages_.find(id);
    return it == pages_.end() ? nullptr : it->second.button;
}

bool TPageHost::ButtonClicked(int id) {
    if (id == currentId_ && current_) {
        // The group may have been told otherwise by code; the button of the
        // page shown stays down.
        if (QAbstractButton* button = CurrentButton())
            button->setChecked(true);
        return false;
    }
    if (pages_.find(id) == pages_.end())
        return false;
    if (current_) {
        current_->SaveData();
        const uint16_t problem = current_->CheckData();
        if (problem != 0) {
            if (QAbstractButton* button = CurrentButton())
                button->setChecked(true);
            if (current_)
                current_->FocusError(problem);
            return false;
        }
    }
    TThinkingFrame* page = build(id);
    if (page && pages_[id].listPage)
        page->SelectFirstRecord();
    return page != nullptr;
}

TThinkingFrame* TPageHost::ShowPage(int id) {
    if (pages_.find(id) == pages_.end())
        return nullptr;
    return build(id);
}

TThinkingFrame* TPageHost::build(int id) {
    const Entry& entry = pages_[id];
    TThinkingFrame* page = nullptr;
    {
        TPageLoadingScope loading(services_);
        page = entry.factory(container_);
        if (!page)
            return nullptr;
        page->setParent(container_);
        container_->layout()->addWidget(page);
        TThinkingFrame* old = current_;
        current_ = page;
        currentId_ = id;
        if (old) {
            container_->layout()->removeWidget(old);
            delete old;
        }
        page->show();
    }
    entry.button->setChecked(true);
    return page;
}

void TPageHost::DestroyPage() {
    if (current_) {
        TThinkingFrame* old = current_;
        current_ = nullptr;
        delete old;
    }
    currentId_ = -1;
}

} // namespace velmar
