#pragma once
// The conventions of every input dialog: modal; Enter anywhere in it acts as
// "Да" (with the dialog's checks), Escape closes it as "Нет"; the buttons are
// captioned "Да" and "Нет".
#include "pages/PageServices.h"

#include <QDialog>
#include <QPointer>

#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace velmar {

class TInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit TInputDialog(QWidget* parent = nullptr);

    QPushButton* bnYes() const { return bnYes_; }
    QPushButton* bnNo() const { return bnNo_; }

    // "Да": closes with Accepted when CanAccept() allows it.
    void Confirm();

protected:
    // The dialog's checks before it closes with "Да"; a refusing dialog has
    // focused the field concerned.
    virtual bool CanAccept() { return true; }

    // Where a derived dialog puts its controls (above the buttons).
    QVBoxLayout* Body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);

    QVBoxLayout* body_ = nullptr;
    QPushButton* bnYes_ = nullptr;
    QPushButton* bnNo_ = nullptr;
};

// A pick list of (code, name) rows: a double click on a row is "Да".
class TfmCodeList : public TInputDialog {
    Q_OBJECT
public:
    struct Row {
        QString code;
        QString name;
    };

    TfmCodeList(const QString& caption, const QString& codeColumn, const QString& nameColumn,
                const std::vector<Row>& rows, QWidget* parent = nullptr);

    // Selects the first row with that code; no selection when none has it.
    void Preselect(const QString& code);
    // The code of the selected row; empty when nothing is selected.
    QString SelectedCode() const;
    QTreeWidget* List() const { return lvList_; }

private:
    QTreeWidget* lvList_ = nullptr;
};

// A code dictionary shown as a `TfmCodeList`, built on first use and kept for
// the rest of the run.
class TCodeListDirectory : public TCodeDirectory {
public:
    TCodeListDirectory(QString caption, QString codeColumn, QString nameColumn, std::vector<TfmCodeList::Row> rows);
    ~TCodeListDirectory() override;
    std::optional<QString> Choose(QWidget* parent, const QString& current) override;
    size_t RowCount() const { return rows_.size(); }

private:
    QString caption_, codeColumn_, nameColumn_;
    std::vector<TfmCodeList::Row> rows_;
    QPointer<TfmCodeList> dialog_;
};

} // namespace velmar
