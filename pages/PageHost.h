#pragma once
// Shows one page at a time in a container panel and switches pages when
// their buttons are clicked: the old page stores its data and must accept
// being left before the new one is built. The main window and every
// container page run the same host.
#include "pages/ThinkingFrame.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QAbstractButton;
class QButtonGroup;

namespace velmar {

class TPageHost : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<TThinkingFrame*(QWidget* container)>;

    // `container` is the panel the pages fill (`PnlFormContainer`).
    TPageHost(QWidget* container, TPageServices& services, QObject* parent = nullptr);
    ~TPageHost() override;

    // Registers a page and its (checkable, grouped) button. A list page gets
    // its first record selected when its button opens it.
    void AddPage(int id, QAbstractButton* button, Factory factory, bool listPage = false);

    // The click on a page button.
    // 1. The page shown already: nothing at all.
    // 2-3. SaveData and CheckData of the current page; a refusal presses its
    //      button again, focuses the problem and keeps the page.
    // 4. Otherwise the new page replaces it.
    // True when the page changed.
    bool ButtonClicked(int id);

    // Builds page `id` and makes it current without asking the old page (New,
    // Open, the result of the whole-return check); its button goes down.
    TThinkingFrame* ShowPage(int id);

    // Destroys the current page (the window is closing).
    void DestroyPage();

    int CurrentId() const { return currentId_; }
    TThinkingFrame* CurrentPage() const { return current_; }
    QAbstractButton* CurrentButton() const;
    QAbstractButton* Button(int id) const;
    QWidget* Container() const { return container_; }

private:
    struct Entry {
        QAbstractButton* button = nullptr;
        Factory factory;
        bool listPage = false;
    };

    TThinkingFrame* build(int id);

    QWidget* container_;
    TPageServices& services_;
    QButtonGroup* group_;
    std::map<int, Entry> pages_;
    QPointer<TThinkingFrame> current_;
    int currentId_ = -1;
};

} // namespace velmar
