#pragma once
// Fakes for the widget tests: the services a page asks of its window, the
// main window's dialogs, and a counter of "the return changed".
#include "app/UserDialogs.h"
#include "pages/DeclChanged.h"
#include "pages/PageServices.h"

#include <QStringList>

#include <deque>
#include <map>
#include <optional>

namespace velmar::test {

// Counts the notifications the way the main window does: not while a page is
// being built.
class ChangeCounter : public TDeclChangeSink {
public:
    explicit ChangeCounter(const TPageServices* services = nullptr) : services_(services) { SetDeclChangeSink(this); }
    ~ChangeCounter() override {
        if (DeclChangeSink() == this)
            SetDeclChangeSink(nullptr);
    }
    void DeclChanged() override {
        ++received;
        if (!services_ || !services_->PageLoading())
            ++counted;
    }
    int received = 0;
    int counted = 0;

private:
    const TPageServices* services_;
};

class FakeDirectory : public TCodeDirectory {
public:
    explicit FakeDirectory(std::optional<QString> answer) : answer_(std::move(answer)) {}
    std::optional<QString> Choose(QWidget*, const QString& current) override {
        shownWith << current;
        return answer_;
    }
    QStringList shownWith;

private:
    std::optional<QString> answer_;
};

class FakeServices : public TPageServices {
public:
    bool PageLoading() const override { return loading; }
    void SetPageLoading(bool value) override { loading = value; }
    void EnablePageButton(TPageId page, bool enabled) override { buttons[page] = enabled; }
    bool PageButtonEnabled(TPageId page) const override {
        auto it = buttons.find(page);
        return it != buttons.end() && it->second;
    }
    TCodeDirectory* InspectionDirectory() override { return inspections; }
    TCodeDirectory* CountryDirectory() override { return nullptr; }
    int AskCheck(const TCheckRequest& request) override {
        checks.push_back(request);
        if (checkAnswers.empty())
            return kCheckFix;
        const int answer = checkAnswers.front();
        checkAnswers.pop_front();
        return answer;
    }
    bool Confirm(const QString& question) override {
        questions << question;
        return confirmAnswer;
    }

    bool loading = false;
    std::map<TPageId, bool> buttons;
    TCodeDirectory* inspections = nullptr;
    std::vector<TCheckRequest> checks;
    std::deque<int> checkAnswers;
    QStringList questions;
    bool confirmAnswer = true;
};

// Answers the main window's dialogs from queues and records what it was shown.
class ScriptedDialogs : public TUserDialogs {
public:
    Answer AskYesNoCancel(QWidget*, const QString& text) override {
        questions << text;
        return take(yesNoCancel, Answer::Cancel);
    }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        return take(yesNo, false);
    }
    void ShowError(QWidget*, const QString& text) override { errors << text; }
    void ShowInfo(QWidget*, const QString& text) override { infos << text; }
    QString OpenFileName(QWidget*) override {
        ++openDialogs;
        return take(openNames, QString());
    }
    QString SaveFileName(QWidget*) override {
        ++saveDialogs;
        return take(saveNames, QString());
    }
    QString FolderName(QWidget*) override { return take(folders, QString()); }
    int AskCheck(QWidget*, const TCheckRequest& request) override {
        checks.push_back(request);
        return take(checkAnswers, int(kCheckFix));
    }
    int AskCheckAll(QWidget*, const TCheckRequest& request) override {
        checks.push_back(request);
        return take(checkAllAnswers, int(kCheckFix));
    }
    void ShowAbout(QWidget*) override { ++abouts; }
    bool OpenHelp(const QString& path) override {
        helpOpened << path;
        return true;
    }

    std::deque<Answer> yesNoCancel;
    std::deque<bool> yesNo;
    std::deque<QString> openNames, saveNames, folders;
    std::deque<int> checkAnswers, checkAllAnswers;
    QStringList questions, errors, infos, helpOpened;
    std::vector<TCheckRequest> checks;
    int openDialogs = 0, saveDialogs = 0, abouts = 0;

private:
    template <class T>
    static T take(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace velmar::test
