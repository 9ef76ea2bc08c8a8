#pragma once
// Every question, message and file dialog of the main window, behind one
// interface: the program uses the real ones, the tests answer in their place.
#include "pages/CheckPrompt.h"

#include <QString>

class QWidget;

namespace velmar {

class TUserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~TUserDialogs() = default;
    // Caption "Velmar 2015", question icon.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // Caption "Velmar 2015", error or information icon.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowInfo(QWidget* parent, const QString& text) = 0;
    // The file chosen, or empty when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent) = 0;
    virtual QString SaveFileName(QWidget* parent) = 0;
    virtual QString FolderName(QWidget* parent) = 0;
    // `TfmCheckError` and `TfmCheckAllError`.
    virtual int AskCheck(QWidget* parent, const TCheckRequest& request) = 0;
    virtual int AskCheckAll(QWidget* parent, const TCheckRequest& request) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    // Hands the help file to the desktop; false when that failed.
    virtual bool OpenHelp(const QString& path) = 0;
};

class TQtDialogs : public TUserDialogs {
public:
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowInfo(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent) override;
    QString SaveFileName(QWidget* parent) override;
    QString FolderName(QWidget* parent) override;
    int AskCheck(QWidget* parent, const TCheckRequest& request) override;
    int AskCheckAll(QWidget* parent, const TCheckRequest& request) override;
    void ShowAbout(QWidget* parent) override;
    bool OpenHelp(const QString& path) override;
};

} // namespace velmar
